// Dialog 160, "Tools": two offline calculations for a linear 4-20 mA transmitter, the loop
// current an input pressure gives and the AD counts of the 4 mA and 20 mA pressures. Talks
// to no device. Every edit is bound to one member; a calculation reads all the edits into
// the members in the exchange order, works, and writes every member back.
#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;

class CCalculateDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CCalculateDlg(QWidget* parent = nullptr);

  void OnBnClickedCalculationPv();  // 1357
  void OnBnClickedCalculationAd();  // 1358

  // "Calculation mA"
  double m_dMaP4 = 0;
  double m_dMaP20 = 0;
  double m_dInputPressure = 0;
  double m_dLoopMa = 0;
  // "AD calculation"
  double m_dAdP4 = 0;
  double m_dAdP20 = 0;
  double m_dLowPressure = 0;
  uint32_t m_nAdLow = 0;
  double m_dHighPressure = 0;
  uint32_t m_nAdHigh = 0;
  uint32_t m_nZeroAdc = 0;
  uint32_t m_nSpanAdc = 0;

 private:
  enum class Direction { ToMembers, ToEdits };
  // Edits to members (stopping at the first edit that does not hold a number, with its
  // message) or members to edits; false when reading stopped.
  bool UpdateData(Direction direction);
  void OnInitDialog();

  QLineEdit* m_editMaP4;           // 1335
  QLineEdit* m_editMaP20;          // 1338
  QLineEdit* m_editInputPressure;  // 1348
  QLineEdit* m_editLoopMa;         // 1359
  QLineEdit* m_editAdP4;           // 1349
  QLineEdit* m_editAdP20;          // 1350
  QLineEdit* m_editLowPressure;    // 1351
  QLineEdit* m_editAdLow;          // 1352
  QLineEdit* m_editHighPressure;   // 1353
  QLineEdit* m_editAdHigh;         // 1354
  QLineEdit* m_editZeroAdc;        // 1355
  QLineEdit* m_editSpanAdc;        // 1356
  // A calculation whose divisor was zero has no result: its result edits stay empty until
  // it runs again.
  bool m_bNoLoopMa = false;
  bool m_bNoAdCounts = false;
};
