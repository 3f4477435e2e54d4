// Record data access: values and arrays between the selected rows and program variables.
// Single-value readers hand conversion errors (text that is no number, say) to the caller.
#include "records/clsDATEN.h"

#include "records/DatenSteps.h"

namespace talur {

namespace {

template <class T> std::vector<Variant> variants(const std::vector<T>& values) {
    std::vector<Variant> result;
    result.reserve(values.size());
    for (const T& value : values)
        result.emplace_back(value);
    return result;
}

// std::vector<bool> hands out proxies: spell the element type.
std::vector<Variant> variants(const std::vector<bool>& values) {
    std::vector<Variant> result;
    result.reserve(values.size());
    for (bool value : values)
        result.emplace_back(value);
    return result;
}

// A read value into its typed target; an empty value gives 0, false, the empty text or the zero date.
template <class T>
bool assign(const std::optional<Variant>& value, T& target, T (Variant::*convert)() const) {
    if (!value)
        return false;
    target = ((*value).*convert)();
    return true;
}

} // namespace

// --- variable to table --------------------------------------------------------------------------------

bool clsDATEN::DVTA(const QString& SPV, DateTime DTM, const Selection& sel) {
    return writeOne(SPV, Variant(DTM), sel);
}
bool clsDATEN::DVTB(const QString& SPV, bool BO, const Selection& sel) {
    return writeOne(SPV, Variant(BO), sel);
}
bool clsDATEN::DVTT(const QString& SPV, const QString& TXT, const Selection& sel) {
    return writeOne(SPV, Variant(TXT), sel);
}
bool clsDATEN::DVTI(const QString& SPV, int16_t I, const Selection& sel) {
    return writeOne(SPV, Variant(I), sel);
}
bool clsDATEN::DVTL(const QString& SPV, int32_t L, const Selection& sel) {
    return writeOne(SPV, Variant(L), sel);
}
bool clsDATEN::DVTS(const QString& SPV, float ZAHL, const Selection& sel) {
    return writeOne(SPV, Variant(ZAHL), sel);
}
bool clsDATEN::DVTD(const QString& SPV, double ZAHL, const Selection& sel) {
    return writeOne(SPV, Variant(ZAHL), sel);
}
bool clsDATEN::DVTV(const QString& SPV, const Variant& WERT, const Selection& sel) {
    return writeOne(SPV, WERT, sel);
}

bool clsDATEN::DVTBF(const QString& SPV, const std::vector<bool>& BO, const Selection& sel) {
    return writeArray(SPV, variants(BO), sel);
}
bool clsDATEN::DVTTF(const QString& SPV, const std::vector<QString>& TXT, const Selection& sel) {
    return writeArray(SPV, variants(TXT), sel);
}
bool clsDATEN::DVTIF(const QString& SPV, const std::vector<int16_t>& ZAHLEN, const Selection& sel) {
    return writeArray(SPV, variants(ZAHLEN), sel);
}
bool clsDATEN::DVTSF(const QString& SPV, const std::vector<float>& ZAHLEN, const Selection& sel) {
    return writeArray(SPV, variants(ZAHLEN), sel);
}

// --- table to variable --------------------------------------------------------------------------------

bool clsDATEN::DTVA(const QString& SPV, DateTime& DATUM, const Selection& sel) {
    return assign(readOne(SPV, sel), DATUM, &Variant::toDate);
}
bool clsDATEN::DTVB(const QString& SPV, bool& BO, const Selection& sel) {
    return assign(readOne(SPV, sel), BO, &Variant::toBool);
}
bool clsDATEN::DTVT(const QString& SPV, QString& TXT, const Selection& sel) {
    return assign(readOne(SPV, sel), TXT, &Variant::toText);
}
bool clsDATEN::DTVI(const QString& SPV, int16_t& I, const Selection& sel) {
    return assign(readOne(SPV, sel), I, &Variant::toInt16);
}
bool clsDATEN::DTVL(const QString& SPV, int32_t& L, const Selection& sel) {
    return assign(readOne(SPV, sel), L, &Variant::toInt32);
}
bool clsDATEN::DTVS(const QString& SPV, float& ZAHL, const Selection& sel) {
    return assign(readOne(SPV, sel), ZAHL, &Variant::toSingle);
}
bool clsDATEN::DTVD(const QString& SPV, double& ZAHL, const Selection& sel) {
    return assign(readOne(SPV, sel), ZAHL, &Variant::toDouble);
}

bool clsDATEN::DTVV(const QString& SPV, Variant& WERT, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    WERT = *value;
    return true;
}

// Reads every selected row into the caller's array; a NULL leaves its element as it was. Each failing row
// (one beyond the array, a value that does not convert) reports; OK goes on with the next row.
template <class T, class Convert>
bool clsDATEN::readArray(const QString& SPV, std::vector<T>& target, const Selection& sel, Convert convert) {
    DatenSteps steps(QStringLiteral("Datenfehler"), [&](const RunError& e) {
        return QStringLiteral("Werte der Spalte ") + SPV + QStringLiteral(" der Tabelle ") + m_keys.ETABELLE +
               QStringLiteral(" können nicht aus der Spalte ") + SPV + QStringLiteral(" eingelesen werden!") +
               kLineBreak + vbErrorText(e);
    });
    Recordset rs;
    if (!steps.run([&] { rs = DT(SPV, sel); }))
        return false;
    if (!rs.isOpen())
        return true;
    size_t i = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext(), ++i)
        if (!steps.run([&] {
                if (rs.isNull(0))
                    return;
                if (i >= target.size())
                    throw runError(err::SubscriptOutOfRange);
                target[i] = convert(rs.value(0));
            }))
            return false;
    rs.close();
    return true;
}

bool clsDATEN::DTVBF(const QString& SPV, std::vector<bool>& BO, const Selection& sel) {
    return readArray(SPV, BO, sel, [](const Variant& v) { return v.toBool(); });
}
bool clsDATEN::DTVTF(const QString& SPV, std::vector<QString>& TXT, const Selection& sel) {
    return readArray(SPV, TXT, sel, [](const Variant& v) { return v.toText(); });
}
bool clsDATEN::DTVIF(const QString& SPV, std::vector<int16_t>& ZAHLEN, const Selection& sel) {
    return readArray(SPV, ZAHLEN, sel, [](const Variant& v) { return v.toInt16(); });
}
bool clsDATEN::DTVSF(const QString& SPV, std::vector<float>& ZAHLEN, const Selection& sel) {
    return readArray(SPV, ZAHLEN, sel, [](const Variant& v) { return v.toSingle(); });
}
bool clsDATEN::DTVVF(const QString& SPV, std::vector<Variant>& WERTE, const Selection& sel) {
    return readArray(SPV, WERTE, sel, [](const Variant& v) { return v; });
}

bool clsDATEN::DTVCOL(const QString& SPV, QList<Variant>& X, const Selection& sel) {
    const auto error = catchRunError([&] {
        Recordset rs = DT(SPV, sel);
        if (rs.eof())
            return;
        QList<Variant> fresh;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            if (!rs.isNull(0))
                fresh.append(rs.value(0));
        X = std::move(fresh);
    });
    return !error;
}

} // namespace talur
