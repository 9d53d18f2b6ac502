#include "platform/qt/qt_file_chooser.h"

#include "platform/text/drive_path.h"
#include "platform/ui/message_box.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QString>
#include <QStringList>

#include <optional>

namespace {

QString FromUtf8(const CString& text)
{
    return QString::fromUtf8(text.GetString(), text.GetLength());
}

std::string LocalName(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

bool NamesPrograms(const CString& patterns)
{
    for (const QString& pattern : FromUtf8(patterns).split(u';', Qt::SkipEmptyParts))
        if (pattern.trimmed().compare(QStringLiteral("*.exe"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Lists folders and, while a filter of programs is selected, only the files
// that may be executed.
class ProgramsOnlyProxy : public QSortFilterProxyModel {
public:
    void SetProgramsOnly(bool programsOnly)
    {
        if (programsOnly == m_programsOnly)
            return;
        m_programsOnly = programsOnly;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override
    {
        if (!m_programsOnly)
            return true;
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files == nullptr)
            return true;
        const QModelIndex index = files->index(sourceRow, 0, sourceParent);
        if (files->isDir(index))
            return true;
        const QFileInfo info = files->fileInfo(index);
        return info.isFile() && info.isExecutable();
    }

private:
    bool m_programsOnly = false;
};

// The toolkit's dialog saves its history, its last folder and its layout in a
// settings file of the toolkit's own (QtProject.conf in the user's
// configuration folder) each time it closes, and nothing turns that off.
// Corvane keeps its settings in its one database and remembers the folder
// itself, so the toolkit's per-user settings are given a place that cannot
// hold a file: the null device is no folder, so nothing is read there and
// writing fails before any file, lock or temporary one, is made. Nothing else
// in Corvane uses the toolkit's settings.
void KeepNoToolkitSettings()
{
    static const bool kept = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
        return true;
    }();
    static_cast<void>(kept);
}

class ChooserDialog : public QFileDialog {
public:
    ChooserDialog(QWidget* owner, const FileChooserRequest& request)
        : QFileDialog(owner, FromUtf8(request.title)), m_defaultExtension(FromUtf8(request.defaultExtension))
    {
        setOption(QFileDialog::DontUseNativeDialog);
        // The file the user picked, not what a link of that name points to.
        setOption(QFileDialog::DontResolveSymlinks);
        // The type box shows each description as the caller wrote it; the
        // patterns Qt filters by follow it in parentheses, hidden.
        setOption(QFileDialog::HideNameFilterDetails);
        setAcceptMode(request.bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        setFileMode((request.flags & OFN_FILEMUSTEXIST) != 0 ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        // Owned by the dialog: its destructor still reads the model.
        m_proxy = new ProgramsOnlyProxy;
        m_proxy->setParent(this);
        setProxyModel(m_proxy);

        QStringList nameFilters;
        for (const FileFilter& filter : request.filters) {
            if (filter.patterns.IsEmpty())
                continue; // a description without patterns lists nothing
            const bool programs = NamesPrograms(filter.patterns);
            QString patterns = programs ? QStringLiteral("*") : FromUtf8(filter.patterns);
            patterns.replace(u';', u' ');
            const QString nameFilter = FromUtf8(filter.description) + QStringLiteral(" (") + patterns + u')';
            nameFilters.append(nameFilter);
            m_programFilters.append(programs ? nameFilter : QString());
        }
        if (!nameFilters.isEmpty()) {
            setNameFilters(nameFilters);
            const auto wanted = static_cast<qsizetype>(request.nFilterIndex > 0 ? request.nFilterIndex - 1 : 0);
            const QString first = nameFilters.value(wanted < nameFilters.size() ? wanted : 0);
            selectNameFilter(first);
            OnFilterSelected(first);
            connect(this, &QFileDialog::filterSelected, this, [this](const QString& filter) { OnFilterSelected(filter); });
        }

        const auto initial = LinuxPathFromDrivePath(request.initialFolder.str());
        const QString folder = initial ? QFile::decodeName(initial->c_str()) : QString();
        setDirectory(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath());
    }

    const std::optional<std::string>& ChosenDrivePath() const { return m_chosen; }

    void accept() override
    {
        m_chosen.reset();
        // The chooser picks one file: a typed name holding double quotes is
        // that one name, which the toolkit's dialog would split at its quotes
        // as a list of several. Such a name is opened or refused here.
        if (const QString name = TypedName(); name.contains(u'"')) {
            const QFileInfo whole(directory().absoluteFilePath(name));
            if (whole.isDir()) {
                setDirectory(whole.absoluteFilePath());
                ClearTypedName();
            } else {
                Take(whole, true);
            }
            return;
        }
        const QStringList files = selectedFiles();
        const QFileInfo typed(files.size() == 1 ? files.front() : QString());
        // Folders are opened, and several names or a missing one left to the
        // dialog, which says so in its own words.
        if (files.size() != 1 || typed.isDir()) {
            QFileDialog::accept();
            return;
        }
        Take(typed, false);
    }

private:
    QLineEdit* TypedNameField() const { return findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }
    QString TypedName() const { return TypedNameField() != nullptr ? TypedNameField()->text() : QString(); }
    void ClearTypedName() const
    {
        if (QLineEdit* field = TypedNameField())
            field->clear();
    }

    // `refuseMissing`: a missing name is refused here, in the dialog's words,
    // rather than by the dialog.
    void Take(const QFileInfo& typed, bool refuseMissing)
    {
        QFileInfo chosen = typed;
        if (!typed.exists() && !m_defaultExtension.isEmpty() && typed.suffix().isEmpty()) {
            const QFileInfo extended(typed.absoluteFilePath() + u'.' + m_defaultExtension);
            if (extended.isFile())
                chosen = extended;
        }
        if (!chosen.exists() && fileMode() == QFileDialog::ExistingFile) {
            if (!refuseMissing)
                QFileDialog::accept();
            else
                QMessageBox::warning(this, windowTitle(),
                                     QFileDialog::tr("%1\nFile not found.\nPlease verify the correct file name "
                                                     "was given.")
                                         .arg(typed.fileName()));
            return;
        }
        m_chosen = DrivePathFromLinuxPath(LocalName(chosen.absoluteFilePath()));
        if (!m_chosen) {
            AfxMessageBox(BackslashNameRefusal(CString(LocalName(chosen.absoluteFilePath()))),
                          MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        // Checked here, the completed name included, which the dialog's own
        // check would still look for under the typed name.
        QDialog::accept(); // NOLINT(bugprone-parent-virtual-call)
    }

    void OnFilterSelected(const QString& filter) { m_proxy->SetProgramsOnly(!filter.isEmpty() && m_programFilters.contains(filter)); }

    QString m_defaultExtension;
    ProgramsOnlyProxy* m_proxy = nullptr;
    QStringList m_programFilters;
    std::optional<std::string> m_chosen;
};

} // namespace

CString BackslashNameRefusal(const CString& linuxPath)
{
    CString text;
    text.Format("The file %s cannot be chosen: its name holds a backslash, which Corvane cannot tell apart from "
                "a folder separator. Rename the file, or choose another one.",
                linuxPath);
    return text;
}

int QtFileChooserService::Run(const FileChooserRequest& request, CString& chosen)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return IDCANCEL;

    KeepNoToolkitSettings();
    // Modal over the dialog that is open, as the main window's own chooser.
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr)
        owner = QApplication::activeWindow();
    ChooserDialog dialog(owner, request);
    if (dialog.exec() != QDialog::Accepted || !dialog.ChosenDrivePath())
        return IDCANCEL;
    chosen = CString(*dialog.ChosenDrivePath());
    return IDOK;
}
