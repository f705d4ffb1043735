#include "ui/MainGeometry.h"

#include "forms/Twips.h"
#include "ui/SettingsStore.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <optional>

namespace pentavo {

namespace {

const QString Section = QStringLiteral("Settings");
constexpr double DefaultPosition = 1000;
// Far beyond any desktop, yet safe to turn into whole pixels.
constexpr double LargestTwips = 1e7;

QString TwipsText(double twips) {
    return QString::number(static_cast<float>(twips), 'g', 9);
}

std::optional<double> ParseTwips(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > LargestTwips)
        return std::nullopt;
    return value;
}

// The stored value in whole pixels, or the default when the key is absent or unusable.
int ReadPixels(const QString& key, double defaultTwips, bool mustBePositive) {
    const std::optional<double> twips =
        ParseTwips(GetSetting(Section, key, TwipsText(defaultTwips)));
    const int pixels = twips ? TwipsToPixels(*twips) : 0;
    if (!twips || (mustBePositive && pixels <= 0))
        return TwipsToPixels(defaultTwips);
    return pixels;
}

// The strip along the top of a window where a window manager draws its title bar.
constexpr int TitleBarPixels = 30;

// The area that the title bar of `outer` lies on most, if any.
std::optional<QRect> AreaUnderTitleBar(const QRect& outer, const QList<QRect>& areas) {
    const QRect titleBar(outer.topLeft(), QSize(outer.width(), TitleBarPixels));
    std::optional<QRect> best;
    qint64 bestOverlap = 0;
    for (const QRect& area : areas) {
        const QRect overlap = area.intersected(titleBar);
        const qint64 size = qint64(overlap.width()) * overlap.height();
        if (!overlap.isEmpty() && size > bestOverlap) {
            best = area;
            bestOverlap = size;
        }
    }
    return best;
}

QRect AreaAt(const QPoint& point, const QList<QRect>& areas) {
    for (const QRect& area : areas)
        if (area.contains(point))
            return area;
    return areas.constFirst();
}

} // namespace

QPoint DefaultMainPosition() {
    return {TwipsToPixels(DefaultPosition), TwipsToPixels(DefaultPosition)};
}

QRect FitToScreens(QRect outer, const QList<QRect>& areas, const QSize& minimumSize,
                   const QPoint& fallback) {
    if (areas.isEmpty())
        return outer;
    std::optional<QRect> area = AreaUnderTitleBar(outer, areas);
    if (!area) {
        outer.moveTopLeft(fallback);
        area = AreaAt(fallback, areas);
    }
    const QSize size =
        outer.size().boundedTo(area->size()).expandedTo(minimumSize.boundedTo(area->size()));
    outer.setSize(size);
    if (outer.right() > area->right())
        outer.moveRight(area->right());
    if (outer.bottom() > area->bottom())
        outer.moveBottom(area->bottom());
    return outer;
}

QList<QRect> AvailableScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

QRect ReadMainGeometry(const QSize& defaultOuterSize, const QSize& minimumOuterSize,
                       WindowPlacing placing) {
    const QPoint position = placing == WindowPlacing::ByProgram
                                ? QPoint(ReadPixels("MainLeft", DefaultPosition, false),
                                         ReadPixels("MainTop", DefaultPosition, false))
                                : DefaultMainPosition();
    const QSize size(ReadPixels("MainWidth", PixelsToTwips(defaultOuterSize.width()), true),
                     ReadPixels("MainHeight", PixelsToTwips(defaultOuterSize.height()), true));
    return FitToScreens(QRect(position, size), AvailableScreenAreas(), minimumOuterSize,
                        DefaultMainPosition());
}

void WriteMainGeometry(const QRect& outer, WindowPlacing placing) {
    if (placing == WindowPlacing::ByProgram) {
        SaveSetting(Section, "MainLeft", TwipsText(PixelsToTwips(outer.left())));
        SaveSetting(Section, "MainTop", TwipsText(PixelsToTwips(outer.top())));
    }
    SaveSetting(Section, "MainWidth", TwipsText(PixelsToTwips(outer.width())));
    SaveSetting(Section, "MainHeight", TwipsText(PixelsToTwips(outer.height())));
}

} // namespace pentavo
