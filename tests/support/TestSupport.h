#pragma once
// Small fixtures shared by the tests.
#include <QString>
#include <QTemporaryDir>

namespace talur::test {

// A temporary folder that lives as long as the object.
class TempFolder {
public:
    TempFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace talur::test
