#pragma once
// The language the window speaks: Chinese for a Chinese locale, else English. Qt's translator
// carries the window's own texts; the captions the solid families carry in both languages are
// chosen here.

#include <QApplication>
#include <QString>
#include <string_view>

namespace orrin {

// Loads the translation for the locale (or the one named, "zh_CN" or "en") into the application.
void InstallWorksheetTranslation(QApplication& app, const QString& locale = {});
bool WorksheetSpeaksChinese();

inline QString Pick(std::string_view chinese, std::string_view english) {
    const std::string_view text = WorksheetSpeaksChinese() ? chinese : english;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orrin
