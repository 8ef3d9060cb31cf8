#include "app/qt_ui.hpp"

#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace orrin {
namespace {

QMessageBox::Icon QtIcon(quarn::MessageIcon icon) {
    switch (icon) {
        case quarn::MessageIcon::Error:
            return QMessageBox::Critical;
        case quarn::MessageIcon::Warning:
            return QMessageBox::Warning;
        case quarn::MessageIcon::Information:
            return QMessageBox::Information;
        case quarn::MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

std::optional<std::string> ChosenPath(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

}  // namespace

QString QtFileFilter(const std::string& filter) {
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList entries;
    for (const quarn::FileFilterEntry& entry : quarn::ParseFileFilter(filter)) {
        QStringList patterns;
        for (QString pattern : QString::fromStdString(entry.pattern).split(';', Qt::SkipEmptyParts)) {
            pattern = pattern.trimmed();
            if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
            patterns << pattern;
            if (pattern.toUpper() != pattern) patterns << pattern.toUpper();
        }
        // Qt takes the patterns from the parentheses that end the entry, so those of the description go.
        QString description = QString::fromStdString(entry.description);
        description.remove(trailingPatterns);
        entries << QStringLiteral("%1 (%2)").arg(description, patterns.join(' '));
    }
    return entries.join(QStringLiteral(";;"));
}

QString DefaultSuffix(const std::string& filter) {
    const std::vector<quarn::FileFilterEntry> entries = quarn::ParseFileFilter(filter);
    if (entries.empty()) return {};
    const QString first = QString::fromStdString(entries.front().pattern).section(';', 0, 0).trimmed();
    const QString suffix = first.startsWith(QStringLiteral("*.")) ? first.mid(2) : QString();
    return suffix.contains('*') || suffix.contains('?') ? QString() : suffix;
}

void QtUi::ShowMessage(const std::string& text, const std::string& caption, quarn::MessageIcon icon) {
    QMessageBox box(QtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<std::string> QtUi::InputBox(const std::string& prompt, const std::string& title,
                                          const std::string& defaultText) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

std::optional<std::string> QtUi::OpenFileDialog(const std::string& filter) {
    return ChosenPath(QFileDialog::getOpenFileName(parent_, QString(), QString(), QtFileFilter(filter)));
}

std::optional<std::string> QtUi::SaveFileDialog(const std::string& filter) {
    QFileDialog dialog(parent_, QString(), QString(), QtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the first filter's, as desktop save dialogs do, so that the
    // file can be opened again; the dialog asks before replacing the file of the completed name.
    dialog.setDefaultSuffix(DefaultSuffix(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return ChosenPath(dialog.selectedFiles().front());
}

bool QtUi::ShellOpen(const std::string& document) {
    const QString name = QFile::decodeName(QByteArray::fromStdString(document));
    if (QFileInfo::exists(name)) return QDesktopServices::openUrl(QUrl::fromLocalFile(name));
    // Not a file: only a full URL (with its scheme) can still be opened.
    const QUrl url(name, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1 && QDesktopServices::openUrl(url);
}

}  // namespace orrin
