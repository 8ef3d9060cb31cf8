#include "worksheet_app/worksheet_texts.hpp"

#include <QLocale>
#include <QTranslator>

namespace orrin {
namespace {

bool chinese = false;

}  // namespace

void InstallWorksheetTranslation(QApplication& app, const QString& locale) {
    static QTranslator translator;
    const QLocale chosen = locale.isEmpty() ? QLocale::system() : QLocale(locale);
    chinese = chosen.language() == QLocale::Chinese;
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(QStringLiteral(":/i18n/orrin_worksheet_") + (chinese ? "zh_CN" : "en")))
        app.installTranslator(&translator);
}

bool WorksheetSpeaksChinese() {
    return chinese;
}

}  // namespace orrin
