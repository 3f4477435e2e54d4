// Record data access: properties, connection switches, statements, the column writer and reader, index
// ranges, record lists and deletion. The transfer families live in clsDATENControls.cpp,
// clsDATENGrid.cpp and clsDATENVariables.cpp.
#include "records/clsDATEN.h"

#include "platform/core/DialogService.h"
#include "platform/core/FileOps.h"
#include "platform/core/Services.h"
#include "records/DatenSteps.h"
#include "records/RunContext.h"

#include <type_traits>

namespace talur {

namespace {

const QString kTitle = QStringLiteral("Datenfehler");

} // namespace

clsDATEN::clsDATEN(RunContext& context) : m_context(context), m_cnn(&context.cnnX) {
    initialise();
}

clsDATEN::~clsDATEN() = default;

void clsDATEN::initialise() {
    DatenSteps steps(kTitle, vbErrorText);
    Recordset rs;
    if (!steps.run([&] { rs.open(QStringLiteral("SELECT [ID] FROM [E1] WHERE [AKT]=true"), *m_cnn); }))
        return;
    if (!rs.isOpen())
        return;
    steps.run([&] { m_keys.ESPIDW = rs.eof() ? 0 : rs.value(QStringLiteral("ID")).toInt32(); });
}

// --- connection switches ------------------------------------------------------------------------------

void clsDATEN::setEBOV(bool value) {
    // Stand-alone mode has no presets database of its own: the working copy stands in for it.
    m_cnn = value && !m_context.isStandalone() ? &m_context.cnnX_V : &m_context.cnnX;
}

void clsDATEN::setEMDB(const QString& name, bool& BOMDB) {
    m_emdb = name;
    DatenSteps steps(QStringLiteral("Datenzugriff - Datenbank ") + name, vbErrorText);
    QString path;
    bool exists = false;
    if (!steps.run([&] {
            path = files::join(files::join(m_context.PROJEKTSPFAD(), m_context.PROJEKT()),
                               name + QStringLiteral(".db"));
            exists = files::fileExists(path);
        }))
        return;
    if (!exists) {
        BOMDB = false;
        return;
    }
    auto connection = std::make_unique<Connection>();
    steps.run([&] { connection->open(path); });
    // A connection that did not open is no success, whatever the user answered.
    BOMDB = connection->isOpen();
    if (BOMDB) {
        m_ownCnn = std::move(connection);
        m_cnn = m_ownCnn.get();
    }
}

// --- statements ---------------------------------------------------------------------------------------

Recordset clsDATEN::DT(const QString& SPV, const Selection& sel) {
    Recordset rs;
    rs.open(selectStatement(m_keys, SPV, sel), *m_cnn);
    return rs;
}

// Key columns of a written row. An empty ESPID means no key column: nothing to set (a write without a key
// column selects by the other keys alone). A named extra key with an empty value stores the empty text, so
// that the written row is found again by the same selection.
void clsDATEN::setRowKeys(Recordset& rs, const Selection& sel) const {
    if (!m_keys.ESPID.isEmpty())
        rs.setValue(m_keys.ESPID, Variant(m_keys.ESPIDW));
    const QString* names[4] = {&sel.SPI1, &sel.SPI2, &sel.SPI3, &sel.SPI4};
    const SelectionValue* values[4] = {&sel.SPI1W, &sel.SPI2W, &sel.SPI3W, &sel.SPI4W};
    for (int k = 0; k < 4; ++k)
        if (!names[k]->isEmpty() && values[k]->has_value())
            rs.setValue(*names[k], selectionStoredValue(**values[k]));
    for (int k = 0; k < 3; ++k)
        if (!m_keys.ESPK[k].isEmpty())
            rs.setValue(m_keys.ESPK[k], Variant(m_keys.ESPKW[k]));
}

bool clsDATEN::SPALTESCHREIBEN(const QString& SPV, const std::vector<Variant>& v, const Selection& sel) {
    const auto error = catchRunError([&] {
        Recordset rs = DT(SPV, sel);
        bool appending = rs.eof();
        if (!appending)
            rs.moveFirst();
        for (const Variant& value : v) {
            if (appending)
                rs.addNew();
            const bool emptyText = value.type() == Variant::Type::String && value.toText().isEmpty();
            rs.setValue(SPV, emptyText ? Variant::null() : value);
            setRowKeys(rs, sel);
            rs.update();
            if (!appending) {
                rs.moveNext();
                appending = rs.eof();
            }
            eventPump().processEvents();
        }
        // Rows beyond the values are surplus: the selection keeps exactly as many rows as values.
        if (!appending)
            while (!rs.eof()) {
                rs.deleteCurrent();
                rs.moveNext();
            }
        rs.close();
    });
    return !error;
}

bool clsDATEN::SPALTELESEN(const QString& SPV, std::vector<Variant>& a, const Selection& sel) {
    const auto error = catchRunError([&] {
        Recordset rs = DT(SPV, sel);
        if (!rs.eof()) {
            rs.moveFirst();
            for (Variant& element : a) {
                if (!rs.isNull(SPV))
                    element = rs.value(SPV);
                rs.moveNext();
                if (rs.eof())
                    break;
            }
        }
        rs.close();
    });
    return !error;
}

// --- single values and arrays -------------------------------------------------------------------------

namespace {

QString valueText(const Variant& value) {
    QString text;
    catchRunError([&] { text = value.isNull() ? QString() : value.toText(); });
    return text;
}

} // namespace

void clsDATEN::showWriteFailure(const QString& SPV, const Variant& value) const {
    dialogs().message(
        QStringLiteral("Wert ") + valueText(value) + QStringLiteral(" kann nicht in die Spalte ") + SPV +
            QStringLiteral(" der Tabelle ") + m_keys.ETABELLE + QStringLiteral(" gespeichert werden!"),
        MsgButtons::Ok, MsgIcon::Exclamation, kTitle);
}

void clsDATEN::showReadFailure(const QString& SPV) const {
    // The value is the element that the failed read left empty.
    dialogs().message(QStringLiteral("Wert ") + QStringLiteral(" kann nicht aus der Spalte ") + SPV +
                          QStringLiteral(" der Tabelle ") + m_keys.ETABELLE +
                          QStringLiteral(" eingelesen werden!"),
                      MsgButtons::Ok, MsgIcon::Exclamation, kTitle);
}

bool clsDATEN::writeOne(const QString& SPV, const Variant& value, const Selection& sel) {
    if (SPALTESCHREIBEN(SPV, {value}, sel))
        return true;
    showWriteFailure(SPV, value);
    return false;
}

std::optional<Variant> clsDATEN::readOne(const QString& SPV, const Selection& sel) {
    std::vector<Variant> a(1);
    if (SPALTELESEN(SPV, a, sel))
        return a[0];
    showReadFailure(SPV);
    return std::nullopt;
}

bool clsDATEN::writeArray(const QString& SPV, const std::vector<Variant>& values, const Selection& sel) {
    if (SPALTESCHREIBEN(SPV, values, sel))
        return true;
    dialogs().message(QStringLiteral("Werte können nicht in Spalte ") + SPV +
                          QStringLiteral(" der Tabelle ") + m_keys.ETABELLE +
                          QStringLiteral(" gespeichert werden!"),
                      MsgButtons::Ok, MsgIcon::Exclamation, kTitle);
    return false;
}

// --- index ranges -------------------------------------------------------------------------------------

template <class T, class A, class Convert>
void clsDATEN::indexRange(T& MINI, T& MAXI, A& AN, const GridSelection& sel, Convert convert) {
    DatenSteps steps(QStringLiteral("Index"), vbErrorText);
    Recordset rs;
    if (!steps.run([&] { rs.open(indexStatement(m_keys, sel), *m_cnn); }) || !rs.isOpen())
        return;
    if (rs.eof()) {
        AN = 0;
        MINI = T(int16_t(0));
        MAXI = T(int16_t(0));
        return;
    }
    if (!steps.run([&] {
            rs.moveFirst();
            MINI = convert(rs.value(0));
        }))
        return;
    if (!steps.run([&] {
            rs.moveLast();
            MAXI = convert(rs.value(0));
        }))
        return;
    steps.run([&] {
        const Variant count(int32_t(rs.recordCount()));
        if constexpr (std::is_same_v<A, int16_t>)
            AN = count.toInt16();
        else
            AN = count.toInt32();
    });
}

void clsDATEN::INDEX(int16_t& MINI, int16_t& MAXI, int16_t& AN, const GridSelection& sel) {
    indexRange(MINI, MAXI, AN, sel, [](const Variant& v) { return v.toInt16(); });
}

void clsDATEN::INDEXL(int32_t& MINI, int32_t& MAXI, int32_t& AN, const GridSelection& sel) {
    indexRange(MINI, MAXI, AN, sel, [](const Variant& v) { return v.toInt32(); });
}

void clsDATEN::INDEXV(Variant& MINI, Variant& MAXI, int16_t& AN, const GridSelection& sel) {
    indexRange(MINI, MAXI, AN, sel, [](const Variant& v) { return v; });
}

// --- record lists and deletion ------------------------------------------------------------------------

template <class T> void clsDATEN::recordList(std::vector<T>& list, const QString& column, bool AKT) {
    DatenSteps steps(kTitle, vbErrorText);
    const QString sql = QStringLiteral("SELECT [") + column + QStringLiteral("] FROM [E1]") +
                        (AKT ? QStringLiteral(" WHERE [AKT]=true") : QString()) +
                        QStringLiteral(" ORDER BY [KEN]");
    Recordset rs;
    if (!steps.run([&] { rs.open(sql, *m_cnn); }) || !rs.isOpen() || rs.eof())
        return;
    steps.run([&] {
        std::vector<T> filled;
        filled.reserve(size_t(rs.recordCount()));
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            const Variant value = rs.value(0);
            if constexpr (std::is_same_v<T, int32_t>)
                filled.push_back(value.toInt32());
            else
                filled.push_back(value.isNull() ? QString() : value.toText());
        }
        list = std::move(filled);
    });
}

void clsDATEN::LID(std::vector<int32_t>& ID, bool AKT) {
    recordList(ID, QStringLiteral("ID"), AKT);
}

void clsDATEN::LKEN(std::vector<QString>& KEN, bool AKT) {
    recordList(KEN, QStringLiteral("KEN"), AKT);
}

bool clsDATEN::LOESCHEN(const Selection& sel) {
    // The fourth pair restricts the deletion like the others: a value the caller gives is never ignored.
    DatenSteps steps(kTitle, vbErrorText);
    Recordset rs;
    if (!steps.run([&] { rs = DT(m_keys.ESPID, sel); }))
        return false;
    if (rs.isOpen() && !steps.run([&] {
            while (!rs.eof()) {
                rs.deleteCurrent();
                rs.moveNext();
            }
        }))
        return false;
    return true;
}

} // namespace talur
