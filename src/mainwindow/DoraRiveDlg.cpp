#include "mainwindow/DoraRiveDlg.h"

#include "controls/NumericEdit.h"
#include "controls/Translated.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/CSettingsDlg.h"
#include "dialogs/HyperLinkLabel.h"
#include "dialogs/OpenAddress.h"
#include "dialogs/OpenError.h"
#include "dialogs/WebAddresses.h"
#include "mainwindow/AccessibleNames.h"
#include "mainwindow/AutoSave.h"
#include "mainwindow/CalcFileCommands.h"
#include "mainwindow/ChangeGuard.h"
#include "mainwindow/WhatIfWindow.h"
#include "mainwindow/WindowControls.h"
#include "mainwindow/WindowPlacement.h"
#include "model/CustomKStart.h"
#include "model/FormRules.h"
#include "model/Recalculate.h"
#include "model/ResultRows.h"
#include "presentation/ContextHelp.h"
#include "presentation/Palette.h"
#include "presentation/PrintCommand.h"
#include "presentation/ReportLines.h"
#include "presentation/ResultsList.h"
#include "presentation/ShadeButton.h"
#include "presentation/SheetAccessible.h"
#include "presentation/SheetFonts.h"
#include "storage/CalcFile.h"
#include "storage/FileHistory.h"
#include "storage/RescueFile.h"
#include "storage/SettingsStore.h"
#include "storage/StoredInputs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include <cstdio>

namespace {

constexpr int kPollMs = 1000;
constexpr int kRemaximiseMs = 100;

int ScreenHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

QRect ToQRect(const ControlRect& r)
{
    return QRect(r.x, r.y, r.width, r.height);
}

} // namespace

DoraRiveDlg::DoraRiveDlg(ProfileStore& store, QWidget* parent)
    : QDialog(parent)
    , store_(store)
    , texts_(ReadVersionTexts())
    , spokenSheet_(new SheetAccessible(this))
{
    // A caption, a system menu, minimise and close boxes, and a maximise box: the window keeps
    // itself maximised, and window managers that follow the Motif hints (mutter, KWin) refuse to
    // maximise a window again that offers no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Palette::kWhite);
    setPalette(palette);

    contextHelp_ = new ContextHelp(this);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &DoraRiveDlg::OnTimer);

    CreateControls();
    commandMenu_ = new CommandMenu(this, [this](CommandMenu::Command command) { RunCommand(command); });
    for (const auto& [field, edit] : form_.Fields())
        commandMenu_->WatchField(edit);
    fileCommands_ =
        new CalcFileCommands(this, form_, tables_, units_, store_, texts_.title, [this] { OnFileOpened(); });
    changeGuard_ = std::make_unique<ChangeGuard>(this, *fileCommands_);
    fileCommands_->SetReplaceCheck([this] { return changeGuard_->MayReplace(); });
    commandMenu_->ListRecentFiles([this] { return FileHistory(store_).Recent(); },
                                  [this](const QString& path) { fileCommands_->Open(path); });
    autoSave_ =
        new AutoSave([this] { return CalcFile::InputsOf(form_, tables_, units_); }, [this] { StoreInputs(); }, this);
    Initialise();
}

DoraRiveDlg::~DoraRiveDlg()
{
    timer_.stop();
    SaveInputs();
}

void DoraRiveDlg::done(int result)
{
    if (!isVisible())
        return; // closed already, by a signal while a question was showing
    if (!unattended_ && !changeGuard_->MayClose())
        return;
    if (!isVisible())
        return;
    if (!SaveInputs()) {
        if (unattended_)
            RescueInputs();
        else if (!changeGuard_->MayCloseUnstored(QString::fromStdString(store_.Where())))
            return;
    }
    if (isVisible())
        QDialog::done(result);
}

void DoraRiveDlg::RescueInputs()
{
    const InputAssignments inputs = CalcFile::InputsOf(form_, tables_, units_);
    const RescueFile::Outcome rescued =
        RescueFile::Write(inputs, QString::fromUtf8(SettingsStore::kRoot), QCoreApplication::applicationName());
    const QString where = QString::fromStdString(store_.Where());
    if (!rescued.path.isEmpty()) {
        exitStatus_ = 1;
        std::fprintf(
            stderr, "%s\n",
            qPrintable(tr("The inputs could not be stored in %1; they are saved in %2").arg(where, rescued.path)));
        return;
    }
    exitStatus_ = 2;
    std::fprintf(stderr, "%s\n%s\n",
                 qPrintable(tr("The inputs could not be stored in %1, nor saved to a file (%2); here they are:")
                                .arg(where, QString::fromStdString(rescued.error))),
                 CalcFile::Document(inputs).constData());
}

void DoraRiveDlg::CreateControls()
{
    CreateFields();
    CreateSelections();
    CreateOptions();
    CreateButtons();
    resultsList_ = new ResultsList(this);
    controls_[ControlId::ResultsList] = resultsList_;
    connect(resultsList_, &ResultsList::clicked, this, &DoraRiveDlg::RequestRecalculation);
    controls_[ControlId::HomePageLink] = CreateHomePageLink(this);
    controls_[ControlId::ProductPageLink] = CreateProductPageLink(this);
    SetTabOrder();
}

void DoraRiveDlg::CreateFields()
{
    for (const InputFieldInfo& info : kInputFields) {
        auto* edit = new NumericEdit(9, 2, this);
        form_.AddField(info.field, edit);
        controls_[info.field] = edit;
        connect(edit, &NumericEdit::changed, this, &DoraRiveDlg::RequestRecalculation);
    }
}

void DoraRiveDlg::CreateSelections()
{
    for (const SelectorInfo& s : kSelectors) {
        QComboBox* box = CreateSelectionBox(this);
        form_.AddSelection(s.selector, box);
        controls_[s.selector] = box;
    }
    connect(form_.SelectionBox(Selector::iType), &QComboBox::currentIndexChanged, this,
            [this] { OnMaterialSelected(Selector::iType); });
    connect(form_.SelectionBox(Selector::iType2), &QComboBox::currentIndexChanged, this,
            [this] { OnMaterialSelected(Selector::iType2); });
    connect(form_.SelectionBox(Selector::iProd), &QComboBox::currentIndexChanged, this,
            &DoraRiveDlg::RequestRecalculation);
}

void DoraRiveDlg::CreateOptions()
{
    for (const InputRow& input : kInputs) {
        if (input.quantity != Quantity::Option)
            continue;
        auto* check = new QCheckBox(this);
        form_.AddOption(input.Box(), check);
        controls_[input.Box()] = check;
        // Toggled rather than clicked: an assistive tool's toggle action does not click.
        connect(check, &QCheckBox::toggled, this, [this] {
            if (initialised_)
                OnOptionClicked();
        });
    }
}

void DoraRiveDlg::CreateButtons()
{
    const struct {
        ControlId id;
        const char* text;
        const char* tip;
        void (DoraRiveDlg::*handler)();
        int ButtonWidths::*width;
    } buttons[] = {
        {ControlId::HelpButton, QT_TRANSLATE_NOOP("DoraRiveDlg", "Help"),
         QT_TRANSLATE_NOOP("DoraRiveDlg", "Display help information"), &DoraRiveDlg::OnHelpButton, &ButtonWidths::help},
        {ControlId::PrintButton, QT_TRANSLATE_NOOP("DoraRiveDlg", "Print"),
         QT_TRANSLATE_NOOP("DoraRiveDlg", "Print current calculation"), &DoraRiveDlg::OnPrint, &ButtonWidths::print},
        {ControlId::UnitsButton, QT_TRANSLATE_NOOP("DoraRiveDlg", "Units"),
         QT_TRANSLATE_NOOP("DoraRiveDlg", "Specify unit options"), &DoraRiveDlg::OnUnitsButton, &ButtonWidths::units},
        {ControlId::ProductSelectionButton, QT_TRANSLATE_NOOP("DoraRiveDlg", "Product Selection"),
         QT_TRANSLATE_NOOP("DoraRiveDlg", "Product selection web pages."), &DoraRiveDlg::OnProductSelection,
         &ButtonWidths::productSelection},
    };
    for (const auto& b : buttons) {
        ShadeButton* button = CreateCommandButton(tr(b.text), tr(b.tip), this);
        controls_[b.id] = button;
        connect(button, &QPushButton::clicked, this, b.handler);
        buttonWidths_.*b.width = button->FittingWidth(buttonWidths_.*b.width);
    }
}

void DoraRiveDlg::SetTabOrder()
{
    // The form's controls in table order; buttons, the list and the links are no tab stops.
    QWidget* previous = nullptr;
    for (const ControlInfo& info : kControls) {
        QWidget* w = controls_.at(info.id);
        const bool tabStop = info.kind == ControlKind::Field || info.kind == ControlKind::CheckBox ||
                             info.kind == ControlKind::SelectionBox;
        if (!tabStop) {
            w->setFocusPolicy(info.kind == ControlKind::Button ? Qt::ClickFocus : Qt::NoFocus);
            continue;
        }
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void DoraRiveDlg::Initialise()
{
    BuildTables(tables_);
    setWindowTitle(texts_.title);
    units_ = StoredInputs::ReadUnitChoices(store_);

    // Full screen, then maximised once filled and laid out, so that nothing is laid out twice.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());

    FillSelectionBox(form_.SelectionBox(Selector::iType), tables_.insulationMaterials);
    FillSelectionBox(form_.SelectionBox(Selector::iType2), tables_.doorMaterials);
    FillSelectionBox(form_.SelectionBox(Selector::iProd), tables_.products);
    StoredInputs::LoadStoredInputs(store_, form_, tables_, units_);
    NameWindowControls(controls_, units_, tables_);
    for (const auto& [field, edit] : form_.Fields())
        edit->SetBackColor(Palette::kPale);
    resultsList_->SetupResultsList();
    Relayout();
    Recalculate();
    autoSave_->Stored(CalcFile::InputsOf(form_, tables_, units_));
    fileCommands_->TakeOrigin();
    const FileHistory history(store_);
    fileCommands_->Resume(history.Current(), history.CurrentDigest());
    showMaximized();

    initialised_ = true;
    RestartTimer(kPollMs);
    form_.Field(InputField::iAmbient)->setFocus();
}

void DoraRiveDlg::Relayout()
{
    form_.TakeOptionStates();
    if (columnsScreenHeight_ != ScreenHeight()) {
        columnsScreenHeight_ = ScreenHeight();
        columns_ = sheetPainter_.FittedColumns(columnsScreenHeight_);
    }
    layout_ = ComputeLayout(LayoutInputNow());
    ApplyFonts();
    hotSpots_.Clear();
    ApplyLayout();
}

LayoutInput DoraRiveDlg::LayoutInputNow() const
{
    LayoutInput in;
    in.clientWidth = width();
    in.clientHeight = height();
    in.screenHeight = ScreenHeight();
    in.iCondCheck = form_.Option(OptionBox::iCondCheck);
    in.iDoorCheck = form_.Option(OptionBox::iDoorCheck);
    in.iHeatCheck = form_.Option(OptionBox::iHeatCheck);
    in.iCoolCheck = form_.Option(OptionBox::iCoolCheck);
    in.iType = form_.Selection(Selector::iType);
    in.iType2 = form_.Selection(Selector::iType2);
    in.doorIsGlass = tables_.doorMaterials.IsGlass(in.iType2);
    in.columns = columns_;
    in.buttons = buttonWidths_;
    return in;
}

void DoraRiveDlg::ApplyFonts()
{
    const QFont fieldFont = CellHeightFont(QStringLiteral("Arial"), layout_.fieldFontCellHeight, false);
    for (const auto& [field, edit] : form_.Fields())
        edit->setFont(fieldFont);
    resultsList_->setFont(CellHeightFont(QStringLiteral("Arial"), layout_.listFontCellHeight, false));
}

void DoraRiveDlg::ApplyLayout()
{
    for (int i = 0; i < kControlCount; ++i) {
        const ControlPlacement& p = layout_.placements[static_cast<size_t>(i)];
        QWidget* w = controls_.at(kControls[i].id);
        // A switched-off group is hidden rather than moved away, so the keyboard skips it too.
        w->setVisible(p.shown);
        if (p.shown)
            w->setGeometry(ToQRect(p.rect));
        w->setEnabled(p.enabled);
        // A link is as wide as its text, so only the text reacts to the pointer.
        if (auto* link = qobject_cast<HyperLinkLabel*>(w); link && p.shown)
            link->ResizeToText();
    }
}

void DoraRiveDlg::Recalculate()
{
    const RecalcResult result = ::Recalculate(ReadLoadInputs(form_, tables_, units_), units_, tables_, results_);
    ShowCalculation(result);
    // A stopped calculation has left some figures half computed: the sheet shows those of the
    // last complete one instead, marked as such.
    const bool stopped = result.outcome == RecalcOutcome::Stopped;
    if (stopped)
        results_ = completedResults_;
    else
        completedResults_ = results_;
    figuresStale_ = stopped;
    ++calculationCount_;
    SpeakSheet();
    fileCommands_->InputsChanged(); // an option or the units changed no field
    if (initialised_)
        autoSave_->Calculated();
    if (whatIf_)
        whatIf_->FormRecalculated();
}

void DoraRiveDlg::CalculatePending()
{
    if (recalcPending_)
        Recalculate();
}

// In the order the results depend on: the list empties, the door thickness is written back
// (which asks for a calculation again), the custom k values are kept, the beeps sound, the error
// row or the results are shown, and no calculation is pending any more.
void DoraRiveDlg::ShowCalculation(const RecalcResult& result)
{
    warningText_.clear();
    errorText_.clear();
    errorRange_.clear();
    resultsList_->ClearResultsList();
    if (result.doorThickness) {
        NumericEdit* field = Field(InputField::iDoorInsul);
        if (result.doorThickness->inches)
            field->SetDecimalPlaces(2);
        field->SetValue(result.doorThickness->shownValue, true);
    }
    TakeCustomK(result, tables_);
    results_ = result.results;
    for (int i = 0; i < result.Beeps(); ++i)
        QApplication::beep();
    warningText_ = MessageLine(result, units_, Translated);
    if (result.failed) {
        const ResultRow error = ListedRows(result, units_, Translated).front();
        errorText_ = error.name;
        errorRange_ = error.value;
        resultsList_->ShowErrorRow(QString::fromStdString(errorText_), QString::fromStdString(errorRange_));
    } else {
        resultsList_->FillResultsList(FormatResultRows(results_, units_, Translated));
        repaint();
    }
    recalcPending_ = false;
}

void DoraRiveDlg::SpeakSheet()
{
    spokenSheet_->Update(SheetStateNow(), errorText_, errorRange_);
}

bool DoraRiveDlg::SaveInputs()
{
    CalculatePending(); // the calculation may write values back into the fields
    return StoreInputs();
}

bool DoraRiveDlg::StoreInputs()
{
    StoredInputs::SaveInputs(store_, form_, tables_, units_);
    const QString file = fileCommands_->FilePath();
    FileHistory(store_).SetCurrent(file, fileCommands_->Modified() ? QString() : FileHistory::Digest(file));
    autoSave_->Stored(CalcFile::InputsOf(form_, tables_, units_));
    return store_.Flush();
}

void DoraRiveDlg::OnTimer()
{
    if (maximizePending_) {
        maximizePending_ = false;
        showMaximized();
    }
    if (recalcPending_)
        Recalculate();
    RestartTimer(kPollMs);
}

void DoraRiveDlg::RestartTimer(int milliseconds)
{
    timer_.start(milliseconds);
}

void DoraRiveDlg::OnMaterialSelected(Selector selector)
{
    // The layout decides which k and thickness fields the material leaves open.
    layout_ = ComputeLayout(LayoutInputNow());
    ApplyLayout();
    ShowKOfChosenRow(form_, tables_, units_, selector);
    RequestRecalculation();
}

void DoraRiveDlg::OnOptionClicked()
{
    Relayout();
    RedrawAll();
    Recalculate();
}

void DoraRiveDlg::OnUnitsButton()
{
    const UnitSystem previous = units_;
    CSettingsDlg dialog(units_, this);
    if (dialog.exec() == QDialog::Accepted) {
        units_ = dialog.Chosen();
        StoredInputs::WriteUnitChoices(store_, units_);
    }
    ConvertInputsForNewUnits(form_, tables_, previous, units_);
    NameWindowControls(controls_, units_, tables_); // the names carry the units
    RedrawAll();
    Recalculate();
}

bool DoraRiveDlg::OpenFile(const QString& path)
{
    return fileCommands_->Open(path);
}

void DoraRiveDlg::OpenWhatIf()
{
    // Made on first use, so the start-up builds and paints nothing of it.
    if (!whatIf_)
        whatIf_ = new WhatIfWindow(*this);
    whatIf_->show();
    whatIf_->raise();
    whatIf_->activateWindow();
}

void DoraRiveDlg::PutNumber(InputField field, const std::string& number)
{
    form_.PasteNumber(field, number);
    Recalculate();
}

void DoraRiveDlg::PutInputs(const InputAssignments& inputs)
{
    CalcFile::ApplyOverFirstRun(inputs, form_, tables_, units_);
    OnFileOpened();
}

void DoraRiveDlg::OnFileOpened()
{
    // The file's units are the units in use now, as if chosen in the Units dialog.
    StoredInputs::WriteUnitChoices(store_, units_);
    NameWindowControls(controls_, units_, tables_);
    Relayout();
    RedrawAll();
    Recalculate();
}

void DoraRiveDlg::RedrawAll()
{
    update();
    for (ControlId id : {ControlId::UnitsButton, ControlId::PrintButton, ControlId::HelpButton,
                         ControlId::ProductSelectionButton, ControlId::ResultsList})
        controls_.at(id)->update();
}

void DoraRiveDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter does nothing: the window closes only by Escape or its close box.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void DoraRiveDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!initialised_ || isMinimized())
        return;
    if (!isMaximized())
        SaveWindowPlacement(store_, *this, WindowPlacementPart::Size);
    Relayout();
    RedrawAll();
    SpeakSheet(); // the texts moved
    maximizePending_ = true;
    RestartTimer(kRemaximiseMs);
}

void DoraRiveDlg::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    if (initialised_ && !isMinimized() && !isMaximized())
        SaveWindowPlacement(store_, *this, WindowPlacementPart::Position);
}

void DoraRiveDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    sheetPainter_.Paint(painter, SheetStateNow(), hotSpots_);
    // The icon is for the window manager, no part of the window's picture: an X server would take
    // it (and wait for it to be decoded) when the window is made, so it is handed over once the
    // first picture is up.
    if (iconPending_) {
        iconPending_ = false;
        QTimer::singleShot(0, this, [this] { setWindowIcon(ApplicationIcon()); });
    }
}

SheetState DoraRiveDlg::SheetStateNow() const
{
    SheetState s;
    s.clientWidth = width();
    s.clientHeight = height();
    s.screenHeight = ScreenHeight();
    s.formLeft = layout_.formLeft;
    s.columns = layout_.columns;
    s.rowPitch = layout_.rowPitch;
    s.wideLayout = layout_.wideLayout;
    s.options = {form_.Option(OptionBox::iCondCheck), form_.Option(OptionBox::iDoorCheck),
                 form_.Option(OptionBox::iHeatCheck), form_.Option(OptionBox::iCoolCheck)};
    s.results = results_;
    s.figuresStale = figuresStale_;
    s.units = units_;
    s.warningText = warningText_;
    s.productName = texts_.productName.toStdString();
    s.versionText = texts_.versionText.toStdString();
    s.tables = &tables_;
    return s;
}

void DoraRiveDlg::mouseMoveEvent(QMouseEvent* event)
{
    contextHelp_->OnMouseMove(event->position().toPoint(), hotSpots_);
    QDialog::mouseMoveEvent(event);
}

void DoraRiveDlg::leaveEvent(QEvent* event)
{
    contextHelp_->OnMouseLeave();
    QDialog::leaveEvent(event);
}

void DoraRiveDlg::contextMenuEvent(QContextMenuEvent* event)
{
    // The window manager's window menu cannot be extended here, so the window's own surface
    // offers the About item, with every other command.
    if (event->reason() == QContextMenuEvent::Keyboard)
        commandMenu_->OpenFromKeyboard();
    else
        commandMenu_->Open(event->globalPos());
}

void DoraRiveDlg::hideEvent(QHideEvent* event)
{
    // The What If window belongs to this one and goes with it.
    if (whatIf_ && !isMinimized())
        whatIf_->close();
    QDialog::hideEvent(event);
}

void DoraRiveDlg::RunCommand(CommandMenu::Command command)
{
    switch (command) {
    case CommandMenu::Command::New:
        fileCommands_->New();
        return;
    case CommandMenu::Command::Open:
        return fileCommands_->OpenWithDialog();
    case CommandMenu::Command::Save:
        CalculatePending();
        fileCommands_->Save();
        return;
    case CommandMenu::Command::SaveAs:
        CalculatePending();
        fileCommands_->SaveAs();
        return;
    case CommandMenu::Command::Units:
        return OnUnitsButton();
    case CommandMenu::Command::Print:
        return OnPrint();
    case CommandMenu::Command::WhatIf:
        return OpenWhatIf();
    case CommandMenu::Command::Help:
        return OnHelpButton();
    case CommandMenu::Command::ProductSelection:
        return OnProductSelection();
    case CommandMenu::Command::WebSite:
        return static_cast<HyperLinkLabel*>(controls_.at(ControlId::HomePageLink))->Activate();
    case CommandMenu::Command::About:
        return ShowAbout();
    case CommandMenu::Command::Close:
        close(); // as the close box: the inputs are stored when the window goes
        return;
    }
}

void DoraRiveDlg::OnHelpButton()
{
    CHelpDlg dialog;
    dialog.exec();
}

void DoraRiveDlg::OnPrint()
{
    CalculatePending();
    PrintCalculation(this, ReportTitle(texts_.title, texts_.versionText),
                     BuildReportLines(form_, tables_, units_, results_, Translated), PrintNamesNow());
}

PrintNames DoraRiveDlg::PrintNamesNow() const
{
    // Named after the open file and beside it; without one, after the program, among the user's
    // documents (the working folder is wherever the desktop started the program).
    const QString file = fileCommands_->FilePath();
    if (!file.isEmpty()) {
        const QFileInfo info(file);
        return {info.completeBaseName(),
                info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".pdf")};
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString name = QCoreApplication::applicationName();
    return {name, folder + QLatin1Char('/') + name + QStringLiteral(".pdf")};
}

void DoraRiveDlg::OnProductSelection()
{
    const QString address = QString::fromLatin1(WebAddresses::kProductSelection);
    OpenAddress(address, kShowNormal, this, [this, address](int result) {
        if (result <= 32) // as a link tells it
            ReportFailedOpen(result, address, this);
    });
}

void DoraRiveDlg::ShowAbout()
{
    CAboutDlg dialog(texts_.productName, texts_.versionText, windowIcon(), this);
    dialog.exec();
}
