#pragma once
// A record's inputs to the curve models, read from the project database through the record data-access
// class: the parameters of table E2 and the preloading stresses of table E3 in row order.
#include "curves/Compression.h"
#include "curves/Mohr.h"
#include "platform/core/Database.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace talur {

class RunContext;

struct RecordInputs {
    int32_t ID = 0;
    QString KEN;
    CompressionInput compression;
    MohrInput mohr;
    std::vector<float> SIV; // E3 rows by I1; one value 0 for a record without rows
};

enum class LoadStatus {
    Loaded,
    NoRecord,      // no E1 row with this key
    NoParameters,  // the record has no E2 row
    TransferFailed // a transfer reported its failure (the message has been shown)
};

// The key of the record with this identifier (the smallest key if several share it).
std::optional<int32_t> findRecordKey(Connection& connection, const QString& KEN);

// Reads everything the curve models need. Conversion errors of the stored values reach the caller as
// RunError, as with every single-value read.
LoadStatus loadRecordInputs(RunContext& context, int32_t id, RecordInputs& out);

} // namespace talur
