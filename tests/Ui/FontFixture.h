#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Which fonts draw a text: the window names one family, and the system's font
// configuration supplies the glyphs that family lacks.
class FontFixture : public QObject {
    Q_OBJECT

public:
    // The family of each run of glyphs of text set in family, in order; "missing" stands
    // for a run holding a glyph that no font drew (a box on screen).
    Q_INVOKABLE QStringList familiesDrawing(const QString& text, const QString& family) const;
    // The family that a font asked for as family resolves to.
    Q_INVOKABLE QString resolvedFamily(const QString& family) const;
};
