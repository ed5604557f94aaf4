#include "ui/qt/save_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "ui/qt/qt_text.h"

namespace quotexa {

QString NameFilter(const SaveDialogFilter& filter) {
    QString patterns = ToQString(filter.pattern);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));  // Qt separates patterns by spaces
    const QString description = ToQString(filter.description);
    const QString bracketed = QLatin1Char('(') + patterns + QLatin1Char(')');
    if (patterns.isEmpty() || description.endsWith(bracketed)) return description;
    return description + QLatin1Char(' ') + bracketed;
}

void SaveFileDialog::accept() {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty()) {
        const QFileInfo file(chosen.first());
        if (!file.isDir() && !file.absoluteDir().exists()) {
            QMessageBox::warning(this, windowTitle(),
                                 QDir::toNativeSeparators(file.absolutePath()) + QLatin1Char('\n') +
                                     QString::fromUtf8(kMissingFolderText));
            return;
        }
    }
    QFileDialog::accept();
}

std::unique_ptr<SaveFileDialog> BuildSaveDialog(const SaveDialogSettings& settings) {
    auto dialog = std::make_unique<SaveFileDialog>();
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setWindowTitle(ToQString(settings.title));
    QStringList filters;
    for (const SaveDialogFilter& filter : settings.filters) filters << NameFilter(filter);
    dialog->setNameFilters(filters);
    if (!filters.isEmpty()) dialog->selectNameFilter(filters.first());
    dialog->setDefaultSuffix(ToQString(settings.defaultExtension));
    dialog->setDirectory(ToQString(settings.initialFolder));
    dialog->selectFile(ToQString(settings.proposedName));
    return dialog;
}

std::optional<std::string> RunSaveDialog(const SaveDialogSettings& settings) {
    const std::unique_ptr<SaveFileDialog> dialog = BuildSaveDialog(settings);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return ToUtf8(chosen.first());
}

}  // namespace quotexa
