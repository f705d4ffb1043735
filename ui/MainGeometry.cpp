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

bool OnSomeScreen(const QRect& outer) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    // Without any screen there is nothing to judge by.
    if (screens.isEmpty())
        return true;
    for (const QScreen* screen : screens)
        if (screen->geometry().intersects(outer))
            return true;
    return false;
}

} // namespace

QRect ReadMainGeometry(const QSize& defaultOuterSize) {
    QRect outer(ReadPixels("MainLeft", DefaultPosition, false),
                ReadPixels("MainTop", DefaultPosition, false),
                ReadPixels("MainWidth", PixelsToTwips(defaultOuterSize.width()), true),
                ReadPixels("MainHeight", PixelsToTwips(defaultOuterSize.height()), true));
    if (!OnSomeScreen(outer))
        outer.moveTopLeft(QPoint(TwipsToPixels(DefaultPosition), TwipsToPixels(DefaultPosition)));
    return outer;
}

void WriteMainGeometry(const QRect& outer) {
    SaveSetting(Section, "MainLeft", TwipsText(PixelsToTwips(outer.left())));
    SaveSetting(Section, "MainTop", TwipsText(PixelsToTwips(outer.top())));
    SaveSetting(Section, "MainWidth", TwipsText(PixelsToTwips(outer.width())));
    SaveSetting(Section, "MainHeight", TwipsText(PixelsToTwips(outer.height())));
}

} // namespace pentavo
