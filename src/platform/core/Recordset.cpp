#include "Database.h"

#include "DbSupport.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>
#include <sqlite3.h>
#include <vector>

namespace talur {

namespace {

const QString kRowidAlias = QStringLiteral("talur_rowid_");

struct Field {
    QString name;
    QString origin; // column in the source table; empty for expressions
    db::ColumnKind kind = db::ColumnKind::Any;
    bool notNull = false;
};

// A row of a grouped or aggregate result stands for many rows of the table; writing it back by the row id
// SQLite happens to give it would change one arbitrary row.
bool groupsRows(const QString& sql) {
    static const QRegularExpression grouping(
        QStringLiteral("\\b(GROUP\\s+BY|HAVING)\\b|\\b(COUNT|MAX|MIN|SUM|AVG|TOTAL|GROUP_CONCAT)\\s*\\("),
        QRegularExpression::CaseInsensitiveOption);
    return grouping.match(sql).hasMatch();
}

// "SELECT rowid AS alias, <rest>" for a plain SELECT; empty when the text is of another shape.
QString withRowid(const QString& sql) {
    static const QRegularExpression plainSelect(QStringLiteral("^\\s*SELECT\\s+(?!(DISTINCT|ALL)\\b)"),
                                                QRegularExpression::CaseInsensitiveOption);
    const auto match = plainSelect.match(sql);
    if (!match.hasMatch() || groupsRows(sql))
        return {};
    return QStringLiteral("SELECT rowid AS ") + kRowidAlias + QStringLiteral(", ") +
           sql.mid(match.capturedEnd());
}

bool onlyBlanksAfter(const char* tail) {
    for (; tail && *tail; ++tail)
        if (*tail != ';' && !QChar::isSpace(uchar(*tail)))
            return false;
    return true;
}

sqlite3_stmt* prepare(sqlite3* db, const QString& sql, bool throwOnError) {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, &tail);
    if (rc != SQLITE_OK) {
        if (throwOnError)
            db::throwSqlite(db, rc, sql);
        return nullptr;
    }
    if (!stmt || !onlyBlanksAfter(tail) || !sqlite3_stmt_readonly(stmt)) {
        sqlite3_finalize(stmt);
        if (throwOnError)
            throw RunError(err::SqlError,
                           QStringLiteral("Ein Recordset braucht genau eine SELECT-Anweisung (") + sql +
                               u')');
        return nullptr;
    }
    return stmt;
}

QString fromUtf8(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

struct Recordset::Impl {
    enum class Mode { None, Edit, Add };

    Connection* connection = nullptr;
    std::weak_ptr<const bool> token;
    QString table; // empty: read-only
    QString schema;
    std::vector<Field> fields;
    std::vector<Variant> values; // row after row
    std::vector<sqlite3_int64> rowids;
    std::vector<char> deleted;
    int live = 0;
    int pos = 0;
    Mode mode = Mode::None;
    std::vector<std::optional<Variant>> pending;

    int rows() const { return int(rowids.size()); }
    bool onLiveRow() const { return pos >= 0 && pos < rows() && !deleted[size_t(pos)]; }
    int nextLive(int from) const {
        while (from < rows() && deleted[size_t(from)])
            ++from;
        return from;
    }

    sqlite3* writableDb() const;
    void describe(sqlite3_stmt* stmt, int first);
    void load(sqlite3_stmt* stmt, int first);
    int fieldIndex(const QString& column) const;
    const Variant& cell(int row, int field) const {
        return values[size_t(row) * fields.size() + size_t(field)];
    }
    void storeRow(int row, sqlite3_stmt* stmt);
    void flush(bool dropEmptyAdd);
    void writeRow();
    void clearPending();
};

sqlite3* Recordset::Impl::writableDb() const {
    if (table.isEmpty())
        throw runError(err::NotSupported);
    if (token.expired())
        throw runError(err::ConnectionClosed);
    return connection->handle();
}

void Recordset::Impl::describe(sqlite3_stmt* stmt, int first) {
    sqlite3* db = connection->handle();
    const int count = sqlite3_column_count(stmt);
    fields.clear();
    for (int i = first; i < count; ++i) {
        Field f;
        f.name = fromUtf8(sqlite3_column_name(stmt, i));
        f.kind = db::classify(sqlite3_column_decltype(stmt, i));
        const char* origin = sqlite3_column_origin_name(stmt, i);
        const char* tableName = sqlite3_column_table_name(stmt, i);
        if (!table.isEmpty() && origin && tableName && table == fromUtf8(tableName) &&
            schema == fromUtf8(sqlite3_column_database_name(stmt, i))) {
            f.origin = fromUtf8(origin);
            int notNull = 0;
            sqlite3_table_column_metadata(db, sqlite3_column_database_name(stmt, i), tableName, origin,
                                          nullptr, nullptr, &notNull, nullptr, nullptr);
            f.notNull = notNull != 0;
        }
        fields.push_back(f);
    }
}

void Recordset::Impl::load(sqlite3_stmt* stmt, int first) {
    const int count = int(fields.size());
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        rowids.push_back(first ? sqlite3_column_int64(stmt, 0) : 0);
        for (int i = 0; i < count; ++i)
            values.push_back(db::readValue(stmt, first + i, fields[size_t(i)].kind));
    }
    if (rc != SQLITE_DONE)
        db::throwSqlite(connection->handle(), rc, fromUtf8(sqlite3_sql(stmt)));
    deleted.assign(rowids.size(), 0);
    live = rows();
}

int Recordset::Impl::fieldIndex(const QString& column) const {
    // Callers name columns as the statement does; the exact spelling is the quick way.
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name == column)
            return int(i);
    QString name = column.trimmed();
    if (name.startsWith(u'[') && name.endsWith(u']'))
        name = name.mid(1, name.size() - 2);
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    throw RunError(err::ItemNotFound,
                   standardDescription(err::ItemNotFound) + QStringLiteral(" (") + column + u')');
}

// Stores the row that an INSERT/UPDATE ... RETURNING rowid, <origin columns> gave back.
void Recordset::Impl::storeRow(int row, sqlite3_stmt* stmt) {
    rowids[size_t(row)] = sqlite3_column_int64(stmt, 0);
    int column = 1;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].origin.isEmpty())
            continue;
        values[size_t(row) * fields.size() + i] = db::readValue(stmt, column++, fields[i].kind);
    }
}

void Recordset::Impl::clearPending() {
    pending.assign(fields.size(), std::nullopt);
    mode = Mode::None;
}

void Recordset::Impl::flush(bool dropEmptyAdd) {
    if (mode == Mode::None)
        return;
    const bool anyPending =
        std::any_of(pending.begin(), pending.end(), [](const auto& p) { return p.has_value(); });
    if (!anyPending && (mode == Mode::Edit || dropEmptyAdd)) {
        clearPending();
        return;
    }
    try {
        writeRow();
    } catch (...) {
        clearPending();
        throw;
    }
    clearPending();
}

void Recordset::Impl::writeRow() {
    sqlite3* db = writableDb();
    QStringList assigned;
    std::vector<const Variant*> bound;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (!pending[i] || assigned.contains(fields[i].origin, Qt::CaseInsensitive))
            continue;
        // The last value set for a column shown twice in the list wins.
        const Variant* value = &*pending[i];
        for (size_t j = i + 1; j < fields.size(); ++j)
            if (pending[j] && fields[j].origin.compare(fields[i].origin, Qt::CaseInsensitive) == 0)
                value = &*pending[j];
        assigned << fields[i].origin;
        bound.push_back(value);
    }
    QStringList returning{QStringLiteral("rowid")};
    for (const Field& f : fields)
        if (!f.origin.isEmpty())
            returning << db::quoteIdentifier(f.origin);
    const QString target = db::quoteIdentifier(schema) + u'.' + db::quoteIdentifier(table);
    QString sql;
    if (mode == Mode::Add) {
        QStringList names, marks;
        for (const QString& name : assigned) {
            names << db::quoteIdentifier(name);
            marks << QStringLiteral("?");
        }
        sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(target)
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(target, names.join(u','), marks.join(u','));
    } else {
        QStringList sets;
        for (const QString& name : assigned)
            sets << db::quoteIdentifier(name) + QStringLiteral("=?");
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?").arg(target, sets.join(u','));
    }
    sql += QStringLiteral(" RETURNING ") + returning.join(u',');
    db::Statement stmt(db, sql);
    int index = 1;
    for (const Variant* value : bound)
        db::bindValue(stmt.get(), index++, *value);
    if (mode == Mode::Edit)
        sqlite3_bind_int64(stmt.get(), index, rowids[size_t(pos)]);
    if (!stmt.step())
        throw RunError(err::EngineError,
                       QStringLiteral("Der Datensatz wurde nicht gefunden; er wurde inzwischen gelöscht."));
    if (mode == Mode::Add) {
        rowids.push_back(0);
        values.resize(values.size() + fields.size(), Variant::null());
        deleted.push_back(0);
        ++live;
        pos = rows() - 1;
    }
    storeRow(pos, stmt.get());
    while (stmt.step()) {
    }
}

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

void Recordset::open(const QString& sql, Connection& connection) {
    if (isOpen())
        throw runError(err::AlreadyOpen);
    if (!connection.isOpen())
        throw runError(err::ConnectionClosed);
    auto impl = std::make_unique<Impl>();
    impl->connection = &connection;
    impl->token = connection.openToken();
    sqlite3* db = connection.handle();

    const QString rewritten = withRowid(sql);
    sqlite3_stmt* stmt = rewritten.isEmpty() ? nullptr : prepare(db, rewritten, false);
    if (stmt) {
        const char* tableName = sqlite3_column_table_name(stmt, 0);
        const char* schemaName = sqlite3_column_database_name(stmt, 0);
        if (tableName && schemaName) {
            impl->table = fromUtf8(tableName);
            impl->schema = fromUtf8(schemaName);
        } else {
            sqlite3_finalize(stmt);
            stmt = nullptr;
        }
    }
    if (!stmt)
        stmt = prepare(db, sql, true);
    const int first = impl->table.isEmpty() ? 0 : 1;
    try {
        impl->describe(stmt, first);
        impl->load(stmt, first);
    } catch (...) {
        sqlite3_finalize(stmt);
        throw;
    }
    sqlite3_finalize(stmt);
    impl->clearPending();
    d = std::move(impl);
}

void Recordset::close() {
    d.reset();
}

bool Recordset::isOpen() const {
    return d != nullptr;
}

bool Recordset::eof() const {
    if (!d)
        throw runError(err::ObjectClosed);
    return d->mode != Impl::Mode::Add && d->pos >= d->rows();
}

bool Recordset::bof() const {
    if (!d)
        throw runError(err::ObjectClosed);
    return d->mode != Impl::Mode::Add && d->live == 0;
}

void Recordset::moveFirst() {
    if (!d)
        throw runError(err::ObjectClosed);
    d->flush(true);
    d->pos = d->nextLive(0);
}

void Recordset::moveNext() {
    if (!d)
        throw runError(err::ObjectClosed);
    if (d->mode == Impl::Mode::Add) {
        // A stored new row is the last one, so moving on from it reaches the end; a dropped one leaves
        // the cursor where it was before addNew.
        d->flush(true);
        if (d->pos < d->rows())
            d->pos = d->nextLive(d->pos + 1);
        return;
    }
    if (d->pos >= d->rows())
        throw runError(err::NoCurrentRecord);
    d->flush(true);
    d->pos = d->nextLive(d->pos + 1);
}

void Recordset::moveLast() {
    if (!d)
        throw runError(err::ObjectClosed);
    d->flush(true);
    int last = d->rows() - 1;
    while (last >= 0 && d->deleted[size_t(last)])
        --last;
    d->pos = last >= 0 ? last : d->rows();
}

int Recordset::recordCount() const {
    if (!d)
        throw runError(err::ObjectClosed);
    return d->live;
}

int Recordset::fieldCount() const {
    if (!d)
        throw runError(err::ObjectClosed);
    return int(d->fields.size());
}

QString Recordset::fieldName(int index) const {
    if (!d)
        throw runError(err::ObjectClosed);
    if (index < 0 || index >= fieldCount())
        throw runError(err::ItemNotFound);
    return d->fields[size_t(index)].name;
}

Variant Recordset::value(const QString& column) const {
    if (!d)
        throw runError(err::ObjectClosed);
    return value(d->fieldIndex(column));
}

Variant Recordset::value(int index) const {
    if (!d)
        throw runError(err::ObjectClosed);
    if (index < 0 || index >= fieldCount())
        throw runError(err::ItemNotFound);
    if (d->pending[size_t(index)])
        return *d->pending[size_t(index)];
    if (d->mode == Impl::Mode::Add)
        return Variant::null();
    if (!d->onLiveRow())
        throw runError(err::NoCurrentRecord);
    return d->cell(d->pos, index);
}

bool Recordset::isNull(const QString& column) const {
    return value(column).isNull();
}

bool Recordset::isNull(int index) const {
    return value(index).isNull();
}

void Recordset::setValue(const QString& column, const Variant& value) {
    if (!d)
        throw runError(err::ObjectClosed);
    setValue(d->fieldIndex(column), value);
}

void Recordset::setValue(int index, const Variant& value) {
    if (!d)
        throw runError(err::ObjectClosed);
    if (index < 0 || index >= fieldCount())
        throw runError(err::ItemNotFound);
    const Field& field = d->fields[size_t(index)];
    if (field.origin.isEmpty())
        throw runError(err::NotSupported);
    d->writableDb();
    if (d->mode == Impl::Mode::None) {
        if (!d->onLiveRow())
            throw runError(err::NoCurrentRecord);
        d->mode = Impl::Mode::Edit;
    }
    const Variant converted = db::convertForColumn(value, field.kind, field.notNull);
    for (size_t i = 0; i < d->fields.size(); ++i)
        if (d->fields[i].origin.compare(field.origin, Qt::CaseInsensitive) == 0)
            d->pending[i] = converted;
}

void Recordset::addNew() {
    if (!d)
        throw runError(err::ObjectClosed);
    d->writableDb();
    d->flush(false);
    d->mode = Impl::Mode::Add;
}

void Recordset::update() {
    if (!d)
        throw runError(err::ObjectClosed);
    if (d->mode == Impl::Mode::None) {
        if (!d->onLiveRow())
            throw runError(err::NoCurrentRecord);
        return;
    }
    d->flush(false);
}

void Recordset::deleteCurrent() {
    if (!d)
        throw runError(err::ObjectClosed);
    if (d->mode == Impl::Mode::Add) {
        d->clearPending();
        return;
    }
    if (!d->onLiveRow())
        throw runError(err::NoCurrentRecord);
    sqlite3* db = d->writableDb();
    d->clearPending();
    db::Statement stmt(db, QStringLiteral("DELETE FROM %1.%2 WHERE rowid=?")
                               .arg(db::quoteIdentifier(d->schema), db::quoteIdentifier(d->table)));
    sqlite3_bind_int64(stmt.get(), 1, d->rowids[size_t(d->pos)]);
    stmt.step();
    d->deleted[size_t(d->pos)] = 1;
    --d->live;
}

} // namespace talur
