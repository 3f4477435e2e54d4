#pragma once
// A table object on a recording picture box with the settings the output page uses for its tables:
// top 7 mm, bottom margin 1 mm, inner margin 1.5 mm, row spacing 1.5 and a fixed line height of 3 mm.
// The picture is 120 x 36.5 mm: with two head rows exactly four body rows fit.
#include "graphics/clsTABELLE.h"
#include "platform/core/ScriptedDialogService.h"
#include "platform/draw/RecordingTarget.h"

#include <QList>
#include <QStringList>
#include <gtest/gtest.h>
#include <initializer_list>

namespace talur::test {

inline constexpr double kTabFontMm = 8.0 * 25.4 / 72.0;
inline constexpr double kTabTextH = 1.15 * kTabFontMm; // height of a text in the default font
inline double tabTextW(const QString& s) {
    return 0.6 * kTabFontMm * s.size();
}

inline clsTABELLE::Inhalt inhalt(std::initializer_list<std::initializer_list<Variant>> columns) {
    clsTABELLE::Inhalt out;
    for (const auto& c : columns)
        out.emplace_back(c);
    return out;
}

// One column of texts "r0" ... "r<n-1>".
inline std::vector<Variant> zeilen(int n) {
    std::vector<Variant> out;
    for (int i = 0; i < n; ++i)
        out.emplace_back(QStringLiteral("r%1").arg(i));
    return out;
}

class TabelleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        regionalSettings().decimalSeparator = QLatin1Char(',');
        target.setKind(TargetKind::PictureBox);
        target.setName(QStringLiteral("picBILD15"));
        tab.setEOBJEKT(&target);
        tab.setERO(7);
        tab.setERU(1);
        tab.setERZ(1.5f);
        tab.setEZA(1.5f);
        tab.setEZH(3);
    }

    // Head of two rows over the given number of columns (titles "K<c>", units "E<c>").
    clsTABELLE::Inhalt kopf(int columns) const {
        clsTABELLE::Inhalt out(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c)
            out[size_t(c)] = {Variant(QStringLiteral("K%1").arg(c)), Variant(QStringLiteral("E%1").arg(c))};
        return out;
    }

    QStringList texts() const {
        QStringList out;
        for (const Primitive& p : target.texts())
            out << p.text;
        return out;
    }

    const Primitive* text(const QString& s) const {
        for (const Primitive& p : target.primitives())
            if (p.kind == Primitive::Kind::Text && p.text == s)
                return &p;
        return nullptr;
    }

    ScopedScriptedDialogs dialogs;
    RecordingTarget target{120.0, 36.5};
    clsTABELLE tab;
};

} // namespace talur::test
