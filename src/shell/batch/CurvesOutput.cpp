#include "shell/batch/CurvesOutput.h"

#include "shell/batch/JsonWriter.h"

namespace talur::batch {

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

const char* stateName(FitState state) {
    switch (state) {
    case FitState::Fitted: return "fitted";
    case FitState::Kept: return "kept";
    case FitState::None: break;
    }
    return "none";
}

// A line that was not fitted in this run has no numbers to show.
void writeLine(JsonWriter& json, const CoulombLine& line) {
    json.beginObject();
    json.key("phi");
    line.state == FitState::Fitted ? json.value(line.phi) : json.null();
    json.key("c");
    line.state == FitState::Fitted ? json.value(line.c) : json.null();
    json.key("state");
    json.value(std::string(stateName(line.state)));
    json.endObject();
}

void writeSeries(JsonWriter& json, const char* name, const std::vector<float>* series) {
    json.key(name);
    series ? json.array(*series) : json.null();
}

void writeCompression(JsonWriter& json, const RecordCurves& curves) {
    const CompressionResult* c = curves.compression ? &*curves.compression : nullptr;
    writeSeries(json, "SIG", c ? &c->SIG : nullptr);
    writeSeries(json, "EPSN", c ? &c->EPSN : nullptr);
    writeSeries(json, "EPSK", c ? &c->EPSK : nullptr);
    writeSeries(json, "EPSW", c ? &c->EPSW : nullptr);
    json.key("EPORA");
    c ? json.value(c->EPORA) : json.null();
    writeSeries(json, "EPOR", c ? &c->EPOR : nullptr);
    json.key("void_ratio_anchor");
    c ? json.value(std::string(c->anchor == VoidRatioAnchor::Grid ? "grid" : "law")) : json.null();

    json.key("branches");
    json.beginArray();
    for (const RecordBranch& b : curves.branches) {
        json.beginObject();
        json.key("row");
        json.value(static_cast<int64_t>(b.row + 1));
        json.key("SIV");
        json.value(b.SIV);
        writeSeries(json, "stress", b.computed ? &b.stress : nullptr);
        writeSeries(json, "strain", b.computed ? &b.strain : nullptr);
        writeSeries(json, "strain_natural", b.computed ? &b.strainNatural : nullptr);
        writeSeries(json, "void_ratio", b.computed ? &b.voidRatio : nullptr);
        json.endObject();
    }
    json.endArray();

    json.key("stopped_at");
    if (curves.stoppedAt) {
        json.beginObject();
        json.key("SIMAX");
        json.value(curves.stoppedAt->SIMAX);
        json.key("SIV");
        json.value(curves.stoppedAt->SIV);
        json.endObject();
    } else {
        json.null();
    }
}

void writeMohr(JsonWriter& json, const RecordCurves& curves) {
    const MohrResult* m = curves.mohr ? &*curves.mohr : nullptr;
    writeSeries(json, "PHIE", m ? &m->PHIE : nullptr);
    writeSeries(json, "TAUE", m ? &m->TAUE : nullptr);
    writeSeries(json, "PHIR", m ? &m->PHIR : nullptr);
    writeSeries(json, "TAUR", m ? &m->TAUR : nullptr);
    json.key("coulomb");
    if (!m) {
        json.null();
        return;
    }
    json.beginObject();
    json.key("E");
    writeLine(json, m->E);
    json.key("R");
    writeLine(json, m->R);
    json.key("branches");
    json.beginArray();
    for (std::size_t k = 0; k < m->branchLines.size(); ++k) {
        const CoulombLine& line = m->branchLines[k];
        json.beginObject();
        json.key("row");
        json.value(static_cast<int64_t>(k + 1));
        json.key("SIV");
        json.value(k < curves.inputs.SIV.size() ? curves.inputs.SIV[k] : 0.0f);
        json.key("phi");
        line.state == FitState::Fitted ? json.value(line.phi) : json.null();
        json.key("c");
        line.state == FitState::Fitted ? json.value(line.c) : json.null();
        json.key("state");
        json.value(std::string(stateName(line.state)));
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

} // namespace

std::string curvesJson(const RecordCurves& curves, const QStringList& messages) {
    JsonWriter json;
    json.beginObject();
    json.key("record");
    json.beginObject();
    json.key("ID");
    json.value(static_cast<int64_t>(curves.inputs.ID));
    json.key("KEN");
    json.value(utf8(curves.inputs.KEN));
    json.endObject();
    writeCompression(json, curves);
    writeMohr(json, curves);
    json.key("messages");
    json.beginArray();
    for (const QString& text : messages)
        json.value(utf8(text));
    json.endArray();
    json.key("errors");
    json.beginArray();
    for (const CurveFailure& failure : curves.failures) {
        json.beginObject();
        json.key("title");
        json.value(utf8(failure.title));
        json.key("number");
        json.value(static_cast<int64_t>(failure.number));
        json.key("description");
        json.value(utf8(failure.description));
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.text();
}

std::string curvesCsv(const RecordCurves& curves) {
    std::string csv = "SIG,EPSN,EPSK,EPSW,EPOR,PHIE,TAUE,PHIR,TAUR\n";
    const CompressionResult* c = curves.compression ? &*curves.compression : nullptr;
    const MohrResult* m = curves.mohr ? &*curves.mohr : nullptr;
    const std::size_t rows = c ? c->SIG.size() : 0;
    auto cell = [](const std::vector<float>* series, std::size_t i) {
        return series && i < series->size() ? formatFloat((*series)[i]) : std::string();
    };
    for (std::size_t i = 0; i < rows; ++i) {
        const std::vector<float>* columns[] = {&c->SIG,          &c->EPSN,          &c->EPSK,
                                               &c->EPSW,         &c->EPOR,          m ? &m->PHIE : nullptr,
                                               m ? &m->TAUE : nullptr, m ? &m->PHIR : nullptr, m ? &m->TAUR : nullptr};
        for (std::size_t col = 0; col < std::size(columns); ++col) {
            if (col > 0)
                csv += ',';
            csv += cell(columns[col], i);
        }
        csv += '\n';
    }
    for (const RecordBranch& b : curves.branches) {
        csv += "\nbranch,row " + std::to_string(b.row + 1) + ",SIV," + formatFloat(b.SIV) + "\n";
        csv += "stress,strain,strain_natural,void_ratio\n";
        for (std::size_t t = 0; t < b.stress.size(); ++t)
            csv += formatFloat(b.stress[t]) + ',' + cell(&b.strain, t) + ',' + cell(&b.strainNatural, t) + ',' +
                   cell(&b.voidRatio, t) + '\n';
    }
    return csv;
}

} // namespace talur::batch
