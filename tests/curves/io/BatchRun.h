#pragma once
// One run of the batch command table in the test process, with what it wrote.
#include "shell/batch/BatchCommands.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace talur::batch {

struct BatchRun {
    int status = -1;
    std::string out;
    std::string err;
    QJsonObject json() const {
        QJsonParseError error;
        const auto doc = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return doc.object();
    }
};

inline BatchRun batch(const QStringList& arguments) {
    std::ostringstream out, err;
    BatchRun run;
    run.status = runBatch(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// To show that a command leaves the database it was given as it was.
inline QByteArray fileHash(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace talur::batch
