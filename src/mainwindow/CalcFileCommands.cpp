#include "mainwindow/CalcFileCommands.h"

#include "controls/HeadlessForm.h"
#include "controls/MessageBoxTitle.h"
#include "controls/NumericEdit.h"
#include "mainwindow/WidgetForm.h"
#include "storage/CalcFile.h"
#include "storage/DesktopRecent.h"
#include "storage/FileHistory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>

#include <vector>

CalcFileCommands::CalcFileCommands(QWidget* window, WidgetForm& form, Tables& tables, UnitSystem& units,
                                   ProfileStore& store, const QString& programCaption, std::function<void()> opened)
    : QObject(window)
    , window_(window)
    , form_(form)
    , store_(store)
    , tables_(tables)
    , units_(units)
    , programCaption_(programCaption)
    , opened_(std::move(opened))
{
    for (const auto& [field, edit] : form_.Fields()) {
        connect(edit, &NumericEdit::changed, this, &CalcFileCommands::InputsChanged);
        // A line edit takes any drag that carries text, a file manager's included.
        edit->installEventFilter(this);
    }
    for (const SelectorInfo& s : kSelectors)
        connect(form_.SelectionBox(s.selector), &QComboBox::currentIndexChanged, this,
                &CalcFileCommands::InputsChanged);
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
}

void CalcFileCommands::TakeOrigin()
{
    originInputs_ = CalcFile::InputsOf(form_, tables_, units_);
}

bool CalcFileCommands::DiffersFromOrigin() const
{
    return CalcFile::InputsOf(form_, tables_, units_) != (path_.isEmpty() ? originInputs_ : fileInputs_);
}

void CalcFileCommands::Resume(const QString& path, const QString& digest)
{
    if (path.isEmpty())
        return;
    // The file as it opens on a form of its own, beside the inputs the store gave the window;
    // that form is not calculated, so it is what the inputs are compared with only when the
    // digest says the inputs were no longer the file's.
    HeadlessForm scratch;
    Tables tables = tables_;
    UnitSystem units = units_;
    if (CalcFile::Open(path, scratch, tables, units))
        return;
    const bool unchanged = !digest.isEmpty() && digest == FileHistory::Digest(path);
    fileInputs_ = unchanged ? CalcFile::InputsOf(form_, tables_, units_) : CalcFile::InputsOf(scratch, tables, units);
    SetFile(path);
    modified_ = !unchanged;
    UpdateCaption();
}

bool CalcFileCommands::Open(const QString& path)
{
    // A refused file asks nothing: it would replace nothing.
    InputAssignments file;
    if (const std::optional<std::string> error = CalcFile::Read(path, tables_, file)) {
        ShowProblem(*error, tr("The calculation in the window is unchanged."));
        return false;
    }
    if (mayReplace_ && !mayReplace_())
        return false;
    Quietly([&] {
        CalcFile::ApplyOverFirstRun(file, form_, tables_, units_);
        return std::optional<std::string>();
    });
    opened_();
    // Taken after the calculation, which may write values back into the fields.
    fileInputs_ = CalcFile::InputsOf(form_, tables_, units_);
    SetFile(path);
    AddToDesktopRecent();
    return true;
}

std::optional<std::string> CalcFileCommands::Quietly(const std::function<std::optional<std::string>()>& apply)
{
    // Each option's own handler would lay out and calculate with half the inputs applied.
    std::vector<QSignalBlocker> quiet;
    for (const OptionInfo& o : kOptions)
        quiet.emplace_back(form_.CheckBox(o.box));
    opening_ = true;
    std::optional<std::string> result = apply();
    opening_ = false;
    return result;
}

bool CalcFileCommands::New()
{
    if (mayReplace_ && !mayReplace_())
        return false;
    Quietly([&] {
        CalcFile::ApplyOverFirstRun({}, form_, tables_, units_);
        return std::optional<std::string>();
    });
    opened_();
    path_.clear();
    modified_ = false;
    TakeOrigin();
    UpdateCaption();
    return true;
}

void CalcFileCommands::OpenWithDialog()
{
    const QString path = AskForFile(false);
    if (!path.isEmpty())
        Open(path);
}

bool CalcFileCommands::Save()
{
    return path_.isEmpty() ? SaveAs() : SaveTo(path_);
}

bool CalcFileCommands::SaveAs()
{
    const QString path = AskForFile(true);
    return !path.isEmpty() && SaveTo(path);
}

bool CalcFileCommands::SaveTo(const QString& path)
{
    const InputAssignments inputs = CalcFile::InputsOf(form_, tables_, units_);
    if (const std::optional<std::string> error = CalcFile::Write(path, inputs)) {
        ShowProblem(*error, tr("The calculation was not saved; an existing file is left as it was."));
        return false;
    }
    fileInputs_ = inputs;
    SetFile(path);
    AddToDesktopRecent();
    return true;
}

QString CalcFileCommands::AskForFile(bool saving)
{
    QFileDialog dialog(window_, saving ? tr("Save Calculation") : tr("Open Calculation"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(tr("Calculations (*.%1)").arg(QLatin1String(CalcFile::kSuffix)));
    dialog.setDefaultSuffix(QLatin1String(CalcFile::kSuffix));
    if (const QString folder = FileHistory(store_).LastFolder(); !folder.isEmpty())
        dialog.setDirectory(folder);
    if (!path_.isEmpty()) {
        dialog.setDirectory(QFileInfo(path_).absolutePath());
        if (saving)
            dialog.selectFile(QFileInfo(path_).fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void CalcFileCommands::ShowProblem(const std::string& message, const QString& consequence)
{
    auto* box = new QMessageBox(QMessageBox::Warning, MessageBoxTitle(), QString::fromStdString(message),
                                QMessageBox::Ok, window_);
    box->setInformativeText(consequence);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Window-modal without a loop of its own, so a termination signal or the session's end still
    // closes the window (and the box with it) the normal way. Opened from the event loop: at
    // start-up the window's own exec() comes first, or the window would stay usable behind it.
    QMetaObject::invokeMethod(
        box, [box] { box->open(); }, Qt::QueuedConnection);
}

void CalcFileCommands::SetFile(const QString& path)
{
    // Absolute, so a later Save finds the same file whatever the working folder.
    path_ = QFileInfo(path).absoluteFilePath();
    modified_ = false;
    FileHistory history(store_);
    history.AddRecent(path_);
    history.SetLastFolder(QFileInfo(path_).absolutePath());
    UpdateCaption();
}

void CalcFileCommands::AddToDesktopRecent() const
{
    // The desktop entry opens a path (dorarive %f); a list that cannot be written is no reason
    // to bother the user.
    DesktopRecent::Add(path_, QStringLiteral("application/x-nordavik-kaldora"), programCaption_,
                       QCoreApplication::applicationName() + QStringLiteral(" %f"));
}

void CalcFileCommands::InputsChanged()
{
    if (path_.isEmpty() || opening_)
        return;
    const bool modified = CalcFile::InputsOf(form_, tables_, units_) != fileInputs_;
    if (modified == modified_)
        return;
    modified_ = modified;
    UpdateCaption();
}

void CalcFileCommands::UpdateCaption()
{
    window_->setWindowTitle(Caption(programCaption_, path_, modified_));
}

QString CalcFileCommands::Caption(const QString& programCaption, const QString& filePath, bool modified)
{
    if (filePath.isEmpty())
        return programCaption;
    return (modified ? QStringLiteral("*") : QString()) + QFileInfo(filePath).fileName() + QStringLiteral(" — ") +
           programCaption;
}

QString CalcFileCommands::DroppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() &&
            QFileInfo(url.toLocalFile()).suffix().compare(QLatin1String(CalcFile::kSuffix), Qt::CaseInsensitive) == 0)
            return url.toLocalFile();
    }
    return {};
}

bool CalcFileCommands::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedFile(drop->mimeData());
    if (path.isEmpty() || !(drop->possibleActions() & Qt::CopyAction))
        return QObject::eventFilter(watched, event);
    // Always a copy: a move would let the file manager delete the file it dragged.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // Opened once the drop is over, so the drag source is not kept waiting.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path] { Open(path); });
    return true;
}
