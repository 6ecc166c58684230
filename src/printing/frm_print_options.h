#pragma once
// The print options dialog: orientation, quality, copies, where the month's picture goes on the
// page, whether the events list is printed, a miniature of the page, and Print and Cancel.
//
// The choices are made on one printer for the whole opening: the system's default printer, or a
// PDF file in the documents folder where the machine has none. Print leaves the dialog open (it is
// never hidden: Qt ends a modal dialog that is hidden), so the month can be printed again.

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "printing/printer_source.h"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orlevant {

class frmMain;

class frmPrintOptions : public QDialog {
  Q_OBJECT

 public:
  explicit frmPrintOptions(frmMain& main, PrinterSource source = SystemPrinterSource());
  ~frmPrintOptions() override;

  // The caption, the defaults (Portrait, High, Centre with Horizontal, the list on, one copy; the
  // Large size forces Landscape), the notes and the first miniature.
  void Form_Load();

  void optPrintMode_Click(int Index);
  void optQuality_Click(int Index);
  void optPosition_Click(int Index);
  void optCentre_Click(int Index);
  void chkEvents_Click();
  // Prints the month as chosen; the dialog stays open.
  void cmdPrint_Click();
  void cmdCancel_Click();

  // What the job uses (twips, orientation 1 portrait / 2 landscape).
  int PageOrientation = 1;
  std::int32_t PrintLeft = 0;
  std::int32_t PrintTop = 0;
  std::int32_t EventsListTop = 0;
  bool EventsListOn = false;

  QString LargeSizeNote;
  QString EventsListNote;
  QString BothNotes;

  // The printer of this opening; a PDF writer where the machine has no printer.
  QPrinter& Printer() { return *printer_; }
  bool PrintsToPdfFile() const { return pdfFallback_; }
  // The PDF file the last job wrote where there is no printer; empty otherwise.
  const QString& LastPdfPath() const { return lastPdfPath_; }

  QGroupBox* fraOptions = nullptr;
  QGroupBox* fraMode = nullptr;
  QGroupBox* fraQuality = nullptr;
  QGroupBox* fraPosition = nullptr;
  QFrame* fraCentre = nullptr;
  std::array<QRadioButton*, 2> optPrintMode{};
  std::array<QRadioButton*, 2> optQuality{};
  std::array<QRadioButton*, 5> optPosition{};
  std::array<QRadioButton*, 3> optCentre{};
  QCheckBox* chkEvents = nullptr;
  QLabel* lblCopies = nullptr;
  // The number of copies with its up and down arrows: 1 to 100, nothing else can be entered.
  QSpinBox* txtCopies = nullptr;
  QLabel* lblMaxCopies = nullptr;
  QGroupBox* fraPreview = nullptr;
  QLabel* lblPaper = nullptr;
  std::array<QLabel*, 2> lblPlanner{};
  QFrame* fraEvents = nullptr;
  QLabel* lblMsg = nullptr;
  QPushButton* cmdPrint = nullptr;
  QPushButton* cmdCancel = nullptr;

 public slots:
  // Escape and the window's close button cancel.
  void reject() override;

 private:
  void CreateControls();
  void SizePreview();
  void LayoutPreview(int position, int centring);
  // The page position of the chosen place for the main window's present size.
  void SetPagePosition(int position, int centring);
  int SelectedPosition() const;
  int SelectedCentring() const;
  void ShowMessage(const QString& note);

  frmMain& main_;
  std::unique_ptr<QPrinter> printer_;
  std::optional<PrintSystem> printSystem_;
  bool pdfFallback_ = false;
  int highResolution_ = 0;
  QString lastPdfPath_;
  QButtonGroup* modeGroup_ = nullptr;
  QButtonGroup* qualityGroup_ = nullptr;
  QButtonGroup* positionGroup_ = nullptr;
  QButtonGroup* centreGroup_ = nullptr;
};

// Opens the dialog modally over the main window, on the system's printer.
void OpenPrintOptions(frmMain& main);

}  // namespace orlevant
