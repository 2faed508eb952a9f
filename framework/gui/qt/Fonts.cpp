// Face-name mapping and font construction.
#include "gui/qt/Fonts_p.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>

#include <array>
#include <algorithm>
#include <cmath>

#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

struct FaceMapping {
    const char* face;        // UTF-8
    const char* installed;
};

constexpr std::array kFaceMappings{
    FaceMapping{"ＭＳ Ｐゴシック", "IPAPGothic"},
    FaceMapping{"ＭＳ ゴシック", "IPAGothic"},
    FaceMapping{"ＭＳ 明朝", "IPAMincho"},
    FaceMapping{"ＭＳ Ｐ明朝", "IPAPMincho"},
};

constexpr const char* kDefaultFace = "ＭＳ Ｐゴシック";
constexpr int kDefaultPixelHeight = 12;

// The families are listed without asking the font database: asking loads
// every font description before the first window can show. Qt resolves the
// list when text is first laid out, and for a face it cannot find it falls
// back, character by character, to an installed font that has the glyph.
QStringList FamiliesForUtf8Face(const QString& face)
{
    QStringList families;
    for (const FaceMapping& mapping : kFaceMappings) {
        if (face == QString::fromUtf8(mapping.face))
            families << QString::fromLatin1(mapping.installed);
    }
    families << face;
    return families;
}

// Unantialiased outlines look like the platform's crisp small fonts at whole
// scales; at 1.25 or 1.5 their steps come out uneven, so there text is smoothed.
QFont::StyleStrategy Smoothing()
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return ratio == std::round(ratio) ? QFont::NoAntialias : QFont::PreferAntialias;
}

QFont BaseFont(const QStringList& families)
{
    QFont font;
    if (!families.isEmpty())
        font.setFamilies(families);
    font.setStyleStrategy(QFont::StyleStrategy(Smoothing() | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

int CellHeight(const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// The largest pixel size whose cell fits `cell` pixels.
int FittedPixelSize(QFont font, int cell)
{
    int size = cell;
    font.setPixelSize(size);
    while (size > 1 && CellHeight(font) > cell)
        font.setPixelSize(--size);
    for (;;) {
        font.setPixelSize(size + 1);
        if (CellHeight(font) > cell)
            break;
        ++size;
    }
    return size;
}

// Fonts do not change while the program runs, so each fit is worked out
// once instead of loading several sizes on every paint.
void FitCellHeight(QFont& font, int cell)
{
    static QHash<QString, int> fitted;
    const QString key = font.key() + QLatin1Char('/') + QString::number(cell);
    auto found = fitted.constFind(key);
    if (found == fitted.constEnd())
        found = fitted.insert(key, FittedPixelSize(font, cell));
    font.setPixelSize(*found);
}

QFont::Weight WeightOf(int weight)
{
    if (weight <= 0)
        return QFont::Normal;
    return static_cast<QFont::Weight>(std::clamp(weight, 1, 1000));
}

}  // namespace

void InstallFaceSubstitutions()
{
    for (const FaceMapping& mapping : kFaceMappings) {
        const QString face = QString::fromUtf8(mapping.face);
        QFont::insertSubstitutions(face, FamiliesForUtf8Face(face));
    }
}

QStringList FamiliesForFace(const ByteString& faceName)
{
    const QString face = faceName.empty() ? QString::fromUtf8(kDefaultFace) : ToQString(faceName);
    return FamiliesForUtf8Face(face);
}

int PointsToPixels(int pointSize)
{
    return static_cast<int>(std::lround(pointSize * 96.0 / 72.0));
}

QFont DialogFont(const ByteString& faceName, int pointSize)
{
    QFont font = BaseFont(FamiliesForFace(faceName));
    font.setPixelSize(std::max(1, PointsToPixels(pointSize)));
    return font;
}

QFont FontFromLogFont(const LogFont& logFont)
{
    QFont font = BaseFont(FamiliesForFace(logFont.faceName));
    font.setWeight(WeightOf(logFont.weight));
    font.setItalic(logFont.italic);
    font.setUnderline(logFont.underline);
    font.setStrikeOut(logFont.strikeOut);
    if (logFont.height > 0)
        FitCellHeight(font, logFont.height);
    else
        font.setPixelSize(logFont.height < 0 ? -logFont.height : kDefaultPixelHeight);
    return font;
}

}  // namespace fw
