// Draws the four pictures that Quenvale's windows show, each at its canvas size and at
// double resolution ("<name>@2x.png") for high-density screens.
//
// Usage: draw-pictures <output folder>
//
// Every picture is drawn in point coordinates; the double-resolution copy is the same
// drawing under a 2x scale, so both copies match exactly.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QString>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

// The dark red of the title, repeated in the curve's tail so the windows share one accent.
const QColor kAccent(0xA2, 0x00, 0x02);
const QColor kInk(0x1F, 0x36, 0x5C);

const QString kWordmarkFamily = QStringLiteral("DejaVu Serif");

struct Picture {
    QString name;
    int width;
    int height;
    std::function<void(QPainter&)> draw;
};

double NormalDensity(double z) {
    return std::exp(-0.5 * z * z) / std::sqrt(2.0 * std::numbers::pi);
}

// A standard normal density with its upper 5 % tail shaded, standing on an axis with ticks
// at whole standard deviations. The calculator window's canvas is 110 x 66 and the splash
// window's 107 x 64, so everything stays inside the smaller of the two.
void DrawCurve(QPainter& p) {
    constexpr double kLeft = 3.5;     // x of z = -kSpan
    constexpr double kRight = 103.5;  // x of z = +kSpan
    constexpr double kSpan = 3.4;
    constexpr double kAxisY = 56.5;  // on a half point, so the 1-point axis is crisp
    constexpr double kPeakY = 5.0;
    constexpr double kTailStart = 1.645;
    constexpr int kSamples = 240;

    const double peak = NormalDensity(0.0);
    auto x_of = [&](double z) { return kLeft + (z + kSpan) / (2.0 * kSpan) * (kRight - kLeft); };
    auto y_of = [&](double z) { return kAxisY - (kAxisY - kPeakY) * NormalDensity(z) / peak; };

    QPainterPath curve;
    QPainterPath tail;
    for (int i = 0; i <= kSamples; ++i) {
        const double z = -kSpan + 2.0 * kSpan * i / kSamples;
        const QPointF point(x_of(z), y_of(z));
        if (i == 0) {
            curve.moveTo(point);
        } else {
            curve.lineTo(point);
        }
    }
    tail.moveTo(x_of(kTailStart), kAxisY);
    for (int i = 0; i <= kSamples / 2; ++i) {
        const double z = kTailStart + (kSpan - kTailStart) * i / (kSamples / 2);
        tail.lineTo(x_of(z), y_of(z));
    }
    tail.lineTo(x_of(kSpan), kAxisY);
    tail.closeSubpath();

    QPainterPath body = curve;
    body.lineTo(x_of(kSpan), kAxisY);
    body.lineTo(x_of(-kSpan), kAxisY);
    body.closeSubpath();

    // A pale wash under the curve so the bell reads as an area, not just a line.
    QLinearGradient wash(0.0, kPeakY, 0.0, kAxisY);
    wash.setColorAt(0.0, QColor(0x9F, 0xB9, 0xDD, 150));
    wash.setColorAt(1.0, QColor(0xD6, 0xE2, 0xF2, 110));
    p.fillPath(body, wash);

    QLinearGradient tail_fill(0.0, y_of(kTailStart), 0.0, kAxisY);
    tail_fill.setColorAt(0.0, kAccent.lighter(125));
    tail_fill.setColorAt(1.0, kAccent);
    p.fillPath(tail, tail_fill);

    // The critical value's edge of the tail.
    p.setPen(QPen(kAccent.darker(120), 0.8));
    p.drawLine(QPointF(x_of(kTailStart), y_of(kTailStart)), QPointF(x_of(kTailStart), kAxisY));

    // Axis, a little wider than the curve, with ticks at -3 .. 3.
    const QColor axis_color(0x3A, 0x3A, 0x3A);
    p.setPen(QPen(axis_color, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(1.0, kAxisY), QPointF(106.0, kAxisY));
    for (int z = -3; z <= 3; ++z) {
        const double x = std::round(x_of(z) - 0.5) + 0.5;
        const double length = z == 0 ? 4.0 : 2.5;
        p.drawLine(QPointF(x, kAxisY), QPointF(x, kAxisY + length));
    }

    QPen stroke(kInk, 1.6);
    stroke.setCapStyle(Qt::RoundCap);
    stroke.setJoinStyle(Qt::RoundJoin);
    p.strokePath(curve, stroke);
}

// A round teal badge with a white question mark: the picture that opens the
// "Information" window. 30 x 32 points.
void DrawInfoBadge(QPainter& p) {
    const QPointF centre(15.0, 16.0);
    constexpr double kRadius = 12.5;

    // Soft drop shadow, offset down by one point.
    QRadialGradient shadow(centre + QPointF(0.0, 1.2), kRadius + 2.0);
    shadow.setColorAt(0.80, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.00, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(centre + QPointF(0.0, 1.2), kRadius + 2.0, kRadius + 2.0);

    QLinearGradient face(0.0, centre.y() - kRadius, 0.0, centre.y() + kRadius);
    face.setColorAt(0.0, QColor(0x3B, 0xA7, 0xC9));
    face.setColorAt(1.0, QColor(0x12, 0x6A, 0x91));
    p.setBrush(face);
    p.setPen(QPen(QColor(0x0D, 0x52, 0x72), 1.0));
    p.drawEllipse(centre, kRadius, kRadius);

    // A faint highlight on the upper half gives the badge a gentle, pressable look.
    QPainterPath gloss;
    gloss.addEllipse(centre + QPointF(0.0, -5.2), kRadius - 3.0, kRadius - 6.0);
    QLinearGradient gloss_fill(0.0, centre.y() - kRadius, 0.0, centre.y());
    gloss_fill.setColorAt(0.0, QColor(255, 255, 255, 90));
    gloss_fill.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(gloss, gloss_fill);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(18);
    QPainterPath mark;
    mark.addText(0.0, 0.0, font, QStringLiteral("?"));
    const QRectF bounds = mark.boundingRect();
    mark.translate(centre - bounds.center() + QPointF(0.2, 0.0));
    p.fillPath(mark, Qt::white);
}

// The wordmark "Quenvale", centred in a box of the given size with its glyphs filling the
// box's height less a margin.
void DrawWordmark(QPainter& p, double width, double height, double glyph_height) {
    QFont font(kWordmarkFamily);
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setLetterSpacing(QFont::PercentageSpacing, 102.0);

    QPainterPath text;
    text.addText(0.0, 0.0, font, QStringLiteral("Quenvale"));
    const QRectF bounds = text.boundingRect();
    const double scale = glyph_height / bounds.height();

    QTransform fit;
    fit.translate(width / 2.0, height / 2.0);
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath mark = fit.map(text);

    // A light shadow lifts the letters off the white window.
    p.fillPath(mark.translated(0.8, 1.0), QColor(0x60, 0x00, 0x00, 55));

    QLinearGradient fill(0.0, (height - glyph_height) / 2.0, 0.0, (height + glyph_height) / 2.0);
    fill.setColorAt(0.0, QColor(0xC0, 0x12, 0x14));
    fill.setColorAt(1.0, QColor(0x86, 0x00, 0x02));
    p.fillPath(mark, fill);
}

bool Save(const Picture& picture, const QDir& folder, int scale) {
    QImage image(picture.width * scale, picture.height * scale,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // 72 points per inch, so the double-resolution copy says 144 dpi.
    const int dots_per_metre = static_cast<int>(std::lround(72.0 / 0.0254 * scale));
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    {
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
        p.scale(scale, scale);
        picture.draw(p);
    }
    const QString file = folder.filePath(
        picture.name + (scale == 2 ? QStringLiteral("@2x") : QString()) + QStringLiteral(".png"));
    if (!image.convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
        std::fprintf(stderr, "draw-pictures: cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// The pictures must not quietly fall back to another typeface.
bool HasFont(const QString& family) {
    if (!QFontDatabase::families().contains(family)) {
        std::fprintf(stderr, "draw-pictures: the font \"%s\" is not installed\n",
                     qPrintable(family));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-pictures <output folder>\n");
        return 2;
    }
    if (!HasFont(kWordmarkFamily) || !HasFont(QStringLiteral("DejaVu Sans"))) {
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "draw-pictures: cannot create %s\n", argv[1]);
        return 1;
    }

    const std::vector<Picture> pictures = {
        {QStringLiteral("Curve"), 110, 66, DrawCurve},
        {QStringLiteral("q36"), 30, 32, DrawInfoBadge},
        {QStringLiteral("QuenvaleTitle"), 416, 48,
         [](QPainter& p) { DrawWordmark(p, 416.0, 48.0, 38.0); }},
        {QStringLiteral("QuenvaleSmTitle"), 310, 44,
         [](QPainter& p) { DrawWordmark(p, 310.0, 44.0, 34.0); }},
    };
    for (const Picture& picture : pictures) {
        for (int scale : {1, 2}) {
            if (!Save(picture, folder, scale)) {
                return 1;
            }
        }
    }
    return 0;
}
