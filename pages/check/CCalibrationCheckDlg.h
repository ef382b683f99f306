// Page 170, "Calibration Check": the transmitter compared with a reference at test points
// across its PV range, before any adjustment (As Found) and after it (As Left), each point
// passed or failed against a tolerance, and a certificate of both runs.
//
// The set-up (test points, tolerances, decision rule, reference standard, ambient conditions,
// technician) is kept in Morvane.ini as typed and checked when a run starts. A Start reads
// the device (identity, tag and descriptor, sensor limits, range, transfer function,
// damping, lot id, versions) in the operation frame and refuses points outside the sensor
// limits. Each point's Read runs as a background job: command 1 and command 2 in turn until
// the last four of each agree within a tenth of the tolerance, at most 10 s. Stop, a tree
// click, leaving the page or a device that no longer answers ends the run as incomplete; a
// run that ended, complete or not, goes into the device records.
#pragma once

#include <optional>

#include "PageDialog.h"
#include "check/CheckRun.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

class CCalibrationCheckDlg : public PageDialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 170;
  // The table's columns.
  enum Column { kPoint, kNominal, kReference, kPv, kCurrent, kPvError, kCurrentError, kResult };

  explicit CCalibrationCheckDlg(CMorvaneDlg* mainDlg);

  void OnBnClickedStartAsFound();
  void OnBnClickedStartAsLeft();
  // Reads the table's selected point (the first point not read when none is selected).
  void OnBnClickedRead();
  void OnBnClickedStop();
  void OnBnClickedSaveCertificate();
  // Leaving the page ends a run still going as incomplete.
  void BeforeLeaving(std::function<void()> goOn) override;

  const check_page::CheckRun& Run(check_page::Stage stage) const {
    return m_runs[static_cast<int>(stage)];
  }

 protected:
  // A change of language shows the run's status and the summaries again in it.
  void changeEvent(QEvent* event) override;

 private:
  using Stage = check_page::Stage;
  check_page::CheckRun& RunOf(Stage stage) { return m_runs[static_cast<int>(stage)]; }

  void Start(Stage stage);
  // The set-up as typed, or nothing after a refusal naming the field.
  std::optional<check::Setup> TypedSetup();
  void BeginRun(Stage stage, check_page::CheckRun run);
  void PointRead(int serial, int row, double reference, const check_page::PointOutcome& outcome,
                 const std::string& failure);
  // Ends the run in progress (if any) as incomplete, for `why`.
  void Interrupt(const std::string& why);
  void Record(Stage stage);
  // The PV unit of the device last read becomes the uncertainty's second unit.
  void ShowDeviceUnit(const std::string& unit);

  // The uncertainty's unit as the set-up keeps it: "% of span" or the device's unit, whatever
  // the language the list shows it in.
  std::string UncertaintyUnit() const;
  void RefuseReference(int row, const QString& typed);
  void ShowSavedCertificate();
  void ShowRun();
  void ShowSummary();
  void UpdateButtons();
  void KeepSetup();
  void OnCellChanged(QTableWidgetItem* item);
  QTableWidgetItem* Cell(int row, int column);

  CMorvaneDlg* m_window;
  check_page::CheckRun m_runs[2];
  Stage m_stage = Stage::AsFound;  // the run the table shows
  bool m_reading = false;
  int m_readingRow = -1;
  int m_serial = 0;        // runs begun: the end of a reading for a run since replaced is dropped
  bool m_filling = false;  // the program fills the table: no edit to handle
  QString m_savedCertificate;  // the file the status names, until a run's status replaces it

  QLineEdit* m_editPoints;
  QLineEdit* m_editPvTolerance;
  QLineEdit* m_editCurrentTolerance;
  QComboBox* m_comboRule;
  QLineEdit* m_editAmbient;
  QLineEdit* m_editHumidity;
  QLineEdit* m_editReferenceName;
  QLineEdit* m_editReferenceSerial;
  QLineEdit* m_editUncertainty;
  QComboBox* m_comboUncertaintyUnit;
  QLineEdit* m_editDueDate;
  QLineEdit* m_editTechnician;

  QPushButton* m_buttonStartAsFound;
  QPushButton* m_buttonStartAsLeft;
  QPushButton* m_buttonRead;
  QPushButton* m_buttonStop;
  QPushButton* m_buttonSaveCertificate;
  QLabel* m_labelRun;
  QTableWidget* m_table;
  QLabel* m_summary[2];
};
