#include "forms/Translated.h"

#include <QCoreApplication>

namespace pentavo {

QString Translated(const Sentence& sentence) {
    return QString::fromStdString(sentence.Render([](const std::string& pattern) {
        return QCoreApplication::translate("Outcome", pattern.c_str()).toStdString();
    }));
}

} // namespace pentavo
