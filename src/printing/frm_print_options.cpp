#include "printing/frm_print_options.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "core/message_box.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "monthview/events_list.h"
#include "monthview/print_layout.h"
#include "platform/qt/display_text.h"
#include "platform/qt/fixed_dialog_frame.h"
#include "platform/qt/twips.h"
#include "platform/qt/wait_cursor.h"
#include "printing/print_job.h"

namespace orlevant {

namespace {

constexpr int kDraftResolution = 150;  // dots per inch
constexpr int kMaxCopies = 100;

// The events list's symbol in the miniature: four lines of text.
class EventsSymbol : public QFrame {
 public:
  explicit EventsSymbol(QWidget* parent) : QFrame(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    struct Line {
      int top, right;
    };
    for (const Line& line : {Line{120, 840}, Line{240, 780}, Line{360, 900}, Line{480, 840}}) {
      const int y = TwipsToPixels(line.top) - 1;
      p.drawLine(TwipsToPixels(60), y, TwipsToPixels(line.right), y);
    }
  }
};

// The window at its present size placed on the printer's page, in the orientation it has.
std::optional<PicturePlacement> PlaceWindow(const QPrinter& printer, const QWidget& window, int position,
                                            int centring) {
  const QSize page = PrintableTwips(printer);
  return PlacePictureOnPage(position, centring, page.width(), page.height(), PixelsToTwips(window.width()),
                            PixelsToTwips(window.height()));
}

QString MonthText(const MonthView& month) {
  const DateTime shown{month.ShownMonthDate, 0, 0, 0};
  return QString::fromStdString(month.FormatDateAs(shown, "mmmm yyyy"));
}

}  // namespace

frmPrintOptions::frmPrintOptions(frmMain& main, PrinterSource source) : QDialog(&main), main_(main) {
  setObjectName(QStringLiteral("frmPrintOptions"));
  printer_ = source.openPrinter ? source.openPrinter() : nullptr;
  if (printer_) {
    printSystem_ = std::move(source.printSystem);
  } else {
    pdfFallback_ = true;
    printer_ = OpenPdfPrinter();
  }
  highResolution_ = printer_->resolution();
  CreateControls();
}

frmPrintOptions::~frmPrintOptions() = default;

void frmPrintOptions::CreateControls() {
  setFixedSize(TwipsToPixels(QSize(7320, 4656)));
  UseFixedDialogFrame(*this);

  fraOptions = new QGroupBox(QStringLiteral("Print Options"), this);
  fraOptions->setObjectName(QStringLiteral("fraOptions"));
  fraOptions->setGeometry(TwipsToPixels(180, 180, 4212, 4272));

  auto radio = [](const char* caption, QWidget* parent, QButtonGroup* group, int id) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    group->addButton(button, id);
    return button;
  };

  fraMode = new QGroupBox(QStringLiteral("Orientation"), fraOptions);
  modeGroup_ = new QButtonGroup(this);
  optPrintMode = {radio("Portrait", fraMode, modeGroup_, 0), radio("Landscape", fraMode, modeGroup_, 1)};
  // The options' frame has the room the dialog was drawn with: tight margins keep every choice
  // readable in it.
  auto tight = [](QLayout* layout) {
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
  };
  auto* modeLayout = new QVBoxLayout(fraMode);
  tight(modeLayout);
  for (QRadioButton* b : optPrintMode) modeLayout->addWidget(b);

  fraQuality = new QGroupBox(QStringLiteral("Quality"), fraOptions);
  qualityGroup_ = new QButtonGroup(this);
  optQuality = {radio("High", fraQuality, qualityGroup_, 0), radio("Draft", fraQuality, qualityGroup_, 1)};
  auto* qualityLayout = new QVBoxLayout(fraQuality);
  tight(qualityLayout);
  for (QRadioButton* b : optQuality) qualityLayout->addWidget(b);

  fraPosition = new QGroupBox(QStringLiteral("Position"), fraOptions);
  positionGroup_ = new QButtonGroup(this);
  const char* positions[] = {"Centre", "Top Left", "Top Right", "Bottom Left", "Bottom Right"};
  for (int i = 0; i < 5; ++i) optPosition[static_cast<std::size_t>(i)] = radio(positions[i], fraPosition, positionGroup_, i);
  fraCentre = new QFrame(fraPosition);
  fraCentre->setObjectName(QStringLiteral("fraCentre"));
  centreGroup_ = new QButtonGroup(this);
  optCentre = {radio("Horizontal", fraCentre, centreGroup_, 0), radio("Vertical", fraCentre, centreGroup_, 1),
               radio("Both", fraCentre, centreGroup_, 2)};
  auto* centreLayout = new QVBoxLayout(fraCentre);
  for (QRadioButton* b : optCentre) centreLayout->addWidget(b);
  // The centring belongs to Centre: it stands under it, indented.
  centreLayout->setContentsMargins(20, 0, 0, 0);
  centreLayout->setSpacing(0);
  auto* positionLayout = new QVBoxLayout(fraPosition);
  tight(positionLayout);
  positionLayout->addWidget(optPosition[0]);
  positionLayout->addWidget(fraCentre);
  for (std::size_t i = 1; i < optPosition.size(); ++i) positionLayout->addWidget(optPosition[i]);

  chkEvents = new QCheckBox(QStringLiteral("Include Events List"), fraOptions);
  lblCopies = new QLabel(QStringLiteral("Number of Copies:"), fraOptions);
  txtCopies = new QSpinBox(fraOptions);
  txtCopies->setObjectName(QStringLiteral("txtCopies"));
  txtCopies->setRange(1, kMaxCopies);
  txtCopies->setSingleStep(1);
  lblCopies->setBuddy(txtCopies);
  lblMaxCopies = new QLabel(QStringLiteral("Max = 100"), fraOptions);

  auto* optionsLayout = new QVBoxLayout(fraOptions);
  optionsLayout->setContentsMargins(8, 4, 8, 6);
  optionsLayout->setSpacing(4);
  auto* choices = new QGridLayout;
  choices->addWidget(fraMode, 0, 0);
  choices->addWidget(fraQuality, 1, 0);
  choices->addWidget(fraPosition, 0, 1, 3, 1);
  choices->setRowStretch(2, 1);
  optionsLayout->addLayout(choices);
  optionsLayout->addWidget(chkEvents);
  auto* copiesRow = new QHBoxLayout;
  copiesRow->addWidget(lblCopies);
  copiesRow->addWidget(txtCopies);
  copiesRow->addWidget(lblMaxCopies);
  copiesRow->addStretch();
  optionsLayout->addLayout(copiesRow);

  fraPreview = new QGroupBox(QStringLiteral("Preview"), this);
  fraPreview->setObjectName(QStringLiteral("fraPreview"));
  fraPreview->setGeometry(TwipsToPixels(4620, 180, 2352, 2472));
  // Created bottom to top: the paper, the planner, its title strip, the events symbol.
  lblPaper = new QLabel(fraPreview);
  lblPaper->setObjectName(QStringLiteral("lblPaper"));
  lblPaper->setFrameShape(QFrame::Box);
  lblPaper->setAutoFillBackground(true);
  lblPaper->setBackgroundRole(QPalette::Base);
  lblPaper->move(TwipsToPixels(QPoint(kPreviewPaperLeft, kPreviewPaperTop)));
  for (std::size_t i = 0; i < lblPlanner.size(); ++i) {
    lblPlanner[i] = new QLabel(fraPreview);
    lblPlanner[i]->setObjectName(QStringLiteral("lblPlanner"));
    lblPlanner[i]->setFrameShape(QFrame::Box);
    lblPlanner[i]->setAutoFillBackground(true);
    QPalette pal = lblPlanner[i]->palette();
    pal.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    lblPlanner[i]->setPalette(pal);
  }
  fraEvents = new EventsSymbol(fraPreview);
  fraEvents->setObjectName(QStringLiteral("fraEvents"));
  fraEvents->setAutoFillBackground(true);
  fraEvents->setBackgroundRole(QPalette::Base);
  fraEvents->resize(TwipsToPixels(QSize(972, 492)));

  lblMsg = new QLabel(this);
  lblMsg->setObjectName(QStringLiteral("lblMsg"));
  lblMsg->setTextFormat(Qt::PlainText);
  lblMsg->setWordWrap(true);
  lblMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblMsg->setGeometry(TwipsToPixels(4620, 2760, 2472, 1152));
  lblMsg->hide();

  cmdPrint = new QPushButton(QStringLiteral("Print"), this);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  cmdPrint->setGeometry(TwipsToPixels(4620, 4020, 1092, 432));
  cmdPrint->setDefault(true);
  cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdCancel->setGeometry(TwipsToPixels(6000, 4020, 1092, 432));

  // A choice made in code runs its handler as a click would; a choice that is already made does not.
  connect(modeGroup_, &QButtonGroup::idToggled, this, [this](int id, bool on) { if (on) optPrintMode_Click(id); });
  connect(qualityGroup_, &QButtonGroup::idToggled, this, [this](int id, bool on) { if (on) optQuality_Click(id); });
  connect(positionGroup_, &QButtonGroup::idToggled, this, [this](int id, bool on) { if (on) optPosition_Click(id); });
  connect(centreGroup_, &QButtonGroup::idToggled, this, [this](int id, bool on) { if (on) optCentre_Click(id); });
  connect(chkEvents, &QCheckBox::toggled, this, [this] { chkEvents_Click(); });
  connect(cmdPrint, &QPushButton::clicked, this, &frmPrintOptions::cmdPrint_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmPrintOptions::cmdCancel_Click);
}

// ------------------------------------------------------------------------------------ load

void frmPrintOptions::Form_Load() {
  // The notes first: the choices below already show them.
  LargeSizeNote = QStringLiteral("Please Note:\r\nWhen Planner Size is large you can only Print in Landscape Mode.");
  EventsListNote = QStringLiteral("Please Note:\r\nEvents List will not be included with this Position.");
  BothNotes = LargeSizeNote + QStringLiteral("\r\nEvents List will not be included with this Position.");

  setWindowTitle(QString::fromStdString(AppTitle()) + QStringLiteral(" - Print Options  "));
  txtCopies->setValue(1);
  optPrintMode[0]->setChecked(true);
  optQuality[0]->setChecked(true);
  optPosition[0]->setChecked(true);
  optCentre[0]->setChecked(true);
  chkEvents->setChecked(true);
  SizePreview();
  LayoutPreview(kPositionCentre, kCentreHorizontal);
}

// ------------------------------------------------------------------------------------ the options

void frmPrintOptions::optPrintMode_Click(int Index) {
  const bool landscape = Index != 0;
  PageOrientation = landscape ? 2 : 1;
  lblPaper->resize(TwipsToPixels(QSize(PreviewPaper(landscape).Width, PreviewPaper(landscape).Height)));
  if (const int position = positionGroup_->checkedId(); position >= 0) optPosition_Click(position);
}

void frmPrintOptions::optQuality_Click(int Index) {
  if (Index == 0) {
    printer_->setResolution(highResolution_);
  } else if (Index == 1) {
    printer_->setResolution(std::min(highResolution_, kDraftResolution));
  }
}

void frmPrintOptions::optPosition_Click(int Index) {
  SizePreview();
  if (Index == kPositionCentre) {
    for (int k = 0; k < static_cast<int>(optCentre.size()); ++k) {
      QRadioButton* centre = optCentre[static_cast<std::size_t>(k)];
      centre->setEnabled(true);
      if (centre->isChecked()) optCentre_Click(k);
    }
    return;
  }
  for (QRadioButton* centre : optCentre) centre->setEnabled(false);
  SetPagePosition(Index, 0);
  LayoutPreview(Index, 0);
}

void frmPrintOptions::optCentre_Click(int Index) {
  if (Index < 0 || Index > 2) return;
  SetPagePosition(kPositionCentre, Index);
  SizePreview();
  LayoutPreview(kPositionCentre, Index);
}

void frmPrintOptions::chkEvents_Click() { SizePreview(); }

void frmPrintOptions::cmdCancel_Click() { QDialog::reject(); }

void frmPrintOptions::reject() { cmdCancel_Click(); }

// ------------------------------------------------------------------------------------ page and miniature

void frmPrintOptions::SetPagePosition(int position, int centring) {
  printer_->setPageOrientation(PageOrientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  const auto placed = PlaceWindow(*printer_, main_, position, centring);
  if (!placed) return;
  PrintLeft = placed->Left;
  PrintTop = placed->Top;
}

void frmPrintOptions::ShowMessage(const QString& note) {
  lblMsg->setText(DisplayText(note.toStdString()));
  lblMsg->show();
}

void frmPrintOptions::SizePreview() {
  EventsListOn = chkEvents->isChecked();
  fraEvents->setVisible(EventsListOn);
  const int style = main_.App().settings.BoxStyle;
  const auto planner = PreviewPlanner(style);
  const auto title = PreviewPlannerTitle(style);
  if (!planner || !title) return;
  if (style == 2) {
    optPrintMode[0]->setEnabled(false);
    optPrintMode[1]->setChecked(true);
    ShowMessage(LargeSizeNote);
  } else {
    optPrintMode[0]->setEnabled(true);
    lblMsg->hide();
  }
  lblPlanner[0]->resize(TwipsToPixels(QSize(planner->Width, planner->Height)));
  lblPlanner[1]->resize(TwipsToPixels(QSize(title->Width, title->Height)));
}

void frmPrintOptions::LayoutPreview(int position, int centring) {
  if (centring == kCentreVertical || centring == kCentreBoth) {
    fraEvents->hide();
    chkEvents->setEnabled(false);
  } else {
    if (EventsListOn) fraEvents->show();
    chkEvents->setEnabled(true);
  }
  const int style = main_.App().settings.BoxStyle;
  const auto planner = PreviewPlanner(style);
  const auto title = PreviewPlannerTitle(style);
  if (!planner || !title) return;
  const auto placed = PlacePreview(position, centring, PreviewPaper(PageOrientation == 2), planner->Width,
                                   title->Width, planner->Height);
  if (!placed) return;
  lblPlanner[0]->move(TwipsToPixels(QPoint(placed->PlannerLeft, placed->PlannerTop)));
  lblPlanner[1]->move(TwipsToPixels(QPoint(placed->TitleLeft, placed->PlannerTop)));
  // The symbol goes where the list will print even while the list is off, so that turning the list
  // on shows it there, not where an earlier position put it.
  if (placed->EventsSymbolAt)
    fraEvents->move(TwipsToPixels(QPoint(placed->EventsSymbolAt->Left, placed->EventsSymbolAt->Top)));

  if (placed->ExcludesList) {
    fraEvents->hide();
    chkEvents->setEnabled(false);
    ShowMessage(style == 2 ? BothNotes : EventsListNote);
    EventsListOn = false;
    return;
  }
  // The list's place on the page, for the main window's present size.
  if (const auto onPage = PlaceWindow(*printer_, main_, position, centring)) EventsListTop = onPage->EventsListTop;
  if (position == kPositionCentre) {
    if (style == 2) {
      ShowMessage(LargeSizeNote);
    } else {
      lblMsg->hide();
    }
  }
}

int frmPrintOptions::SelectedPosition() const { return std::max(0, positionGroup_->checkedId()); }

int frmPrintOptions::SelectedCentring() const { return std::max(0, centreGroup_->checkedId()); }

// ------------------------------------------------------------------------------------ the job

void frmPrintOptions::cmdPrint_Click() {
  AppContext& app = main_.App();
  printer_->setPageOrientation(PageOrientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer_->setCopyCount(txtCopies->value());

  main_.raise();
  if (app.settings.BoxStyle == 2) {
    // The Large calendar goes to the screen's left edge and stays there.
    app.month.WindowLeft = 0;
    main_.move(0, main_.y());
  }
  PrintResult result;
  {
    // A month with a long events list takes a second or more to make; the messages below come
    // with the ordinary cursor again.
    const WaitCursor busy;
    const MonthPrint job{PrintJobName(QString::fromStdString(ProductTitle()), MonthText(app.month)),
                         CaptureWindow(main_), EventsListLines(app.month),
                         PrintChoice{SelectedPosition(), SelectedCentring(), EventsListOn && chkEvents->isChecked()}};
    result = pdfFallback_ ? PrintToNewPdf(DocumentsFolder(), *printer_, job)
                          : PrintOnPrinter(*printer_, printSystem_, job);
  }
  // The window may have changed its size since the choice was made (a new day refills the month
  // while the dialog is open): the job placed the picture as it is now.
  if (result.placed.Width > 0) {
    PrintLeft = result.placed.Left;
    PrintTop = result.placed.Top;
    if (result.placed.ListAllowed) EventsListTop = result.placed.EventsListTop;
  }

  const std::string title = AppTitle() + " - Print";
  const std::string widen(kWidenLine);
  if (!result.ok) {
    AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, title,
                           "The month could not be printed." + widen + "\r\n" + result.error.toStdString() + widen +
                               "\r\n\r\n");
    return;
  }
  if (pdfFallback_) {
    lastPdfPath_ = result.pdfPath;
    AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok, title,
                           "There is no printer on this computer, so the month was saved as a PDF file:" + widen +
                               "\r\n" + lastPdfPath_.toStdString() + widen + "\r\n\r\n");
  }
}

void OpenPrintOptions(frmMain& main) {
  frmPrintOptions dialog(main);
  dialog.Form_Load();
  dialog.exec();
}

}  // namespace orlevant
