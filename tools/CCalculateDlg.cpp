#include "CCalculateDlg.h"

#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "LoopCalculation.h"
#include "NumberText.h"
#include "PageForm.h"
#include "Prompts.h"

namespace {

const char* const kEnterANumber = N_("请输入一个数字。");
const char* const kEnterAPositiveInteger = N_("请输入一个正整数。");

// The count fields take a whole number from 0 to 4294967295.
std::optional<uint32_t> TypedCount(const QString& text) {
  const std::optional<long long> value = TypedInteger(text);
  if (!value || *value < 0 || *value > 0xFFFFFFFFll) return std::nullopt;
  return static_cast<uint32_t>(*value);
}

}  // namespace

CCalculateDlg::CCalculateDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("160");
  setWindowTitle("Tools");
  PageForm form(this);

  QGroupBox* ma = form.Group("Calculation mA", 0);
  m_editMaP4 = form.Row("4mA Pressure").Edit(1335);
  m_editMaP20 = form.Row("20mA Pressure").Edit(1338);
  m_editInputPressure = form.Row("Input Pressure").Edit(1348);
  FormRow loopMa = form.Row("Loop mA");
  m_editLoopMa = loopMa.Edit(1359);
  loopMa.Unit("mA");
  QPushButton* pv = PageButton("Calculation PV", 1357, ma);
  form.Row(QString()).Add(pv);

  QGroupBox* ad = form.Group("AD calculation", 1);
  m_editAdP4 = form.Row("4mA Pressure").Edit(1349);
  m_editAdP20 = form.Row("20mA Pressure").Edit(1350);
  m_editLowPressure = form.Row("Low Pressure").Edit(1351);
  m_editAdLow = form.Row("AD - Low").Edit(1352);
  m_editHighPressure = form.Row("High Pressure").Edit(1353);
  m_editAdHigh = form.Row("AD - High").Edit(1354);
  m_editZeroAdc = form.Row("Zero ADC").Edit(1355);
  m_editSpanAdc = form.Row("Span ADC").Edit(1356);
  QPushButton* adButton = PageButton("Calculation AD", 1358, ad);
  form.Row(QString()).Add(adButton);

  // The same labels stand in both groups: the group tells the two pairs apart.
  for (QLineEdit* edit : {m_editMaP4, m_editMaP20})
    edit->setAccessibleDescription("Calculation mA");
  for (QLineEdit* edit : {m_editAdP4, m_editAdP20})
    edit->setAccessibleDescription("AD calculation");
  for (QLineEdit* result : {m_editLoopMa, m_editZeroAdc, m_editSpanAdc})
    result->setEnabled(false);

  connect(pv, &QPushButton::clicked, this, &CCalculateDlg::OnBnClickedCalculationPv);
  connect(adButton, &QPushButton::clicked, this, &CCalculateDlg::OnBnClickedCalculationAd);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  OnInitDialog();
}

void CCalculateDlg::OnInitDialog() {
  for (QLineEdit* edit : findChildren<QLineEdit*>())
    edit->setText("0");
}

bool CCalculateDlg::UpdateData(Direction direction) {
  struct Binding {
    QLineEdit* edit;
    double* real;          // a double field, or
    uint32_t* count;       // a count field
    const bool* noResult;  // a result field: whether its calculation has no result
  };
  // The order in which the edits are read and written.
  const Binding bindings[] = {
      {m_editMaP20, &m_dMaP20, nullptr, nullptr},
      {m_editSpanAdc, nullptr, &m_nSpanAdc, &m_bNoAdCounts},
      {m_editAdP20, &m_dAdP20, nullptr, nullptr},
      {m_editAdHigh, nullptr, &m_nAdHigh, nullptr},
      {m_editHighPressure, &m_dHighPressure, nullptr, nullptr},
      {m_editAdLow, nullptr, &m_nAdLow, nullptr},
      {m_editLowPressure, &m_dLowPressure, nullptr, nullptr},
      {m_editLoopMa, &m_dLoopMa, nullptr, &m_bNoLoopMa},
      {m_editInputPressure, &m_dInputPressure, nullptr, nullptr},
      {m_editZeroAdc, nullptr, &m_nZeroAdc, &m_bNoAdCounts},
      {m_editAdP4, &m_dAdP4, nullptr, nullptr},
      {m_editMaP4, &m_dMaP4, nullptr, nullptr},
  };
  for (const Binding& b : bindings) {
    if (direction == Direction::ToEdits) {
      if (b.noResult && *b.noResult)
        b.edit->clear();
      else if (b.real)
        b.edit->setText(QString::number(*b.real, 'g', 15));
      else
        b.edit->setText(QString::number(*b.count));
      continue;
    }
    // An empty result edit is a calculation without a result, not something typed.
    if (b.noResult && b.edit->text().isEmpty()) continue;
    bool read = false;
    if (b.real) {
      const std::optional<double> value = TypedReal(b.edit->text());
      if (value) *b.real = *value;
      read = value.has_value();
    } else {
      const std::optional<uint32_t> value = TypedCount(b.edit->text());
      if (value) *b.count = *value;
      read = value.has_value();
    }
    if (!read) {
      ShowMessage(QString::fromUtf8(b.real ? kEnterANumber : kEnterAPositiveInteger));
      b.edit->setFocus();
      b.edit->selectAll();
      return false;
    }
  }
  return true;
}

void CCalculateDlg::OnBnClickedCalculationPv() {
  // An edit that does not read leaves its member and the later ones as they were; the
  // calculation runs on what the members hold.
  UpdateData(Direction::ToMembers);
  const std::optional<double> loopMa = LoopCurrent(m_dMaP4, m_dMaP20, m_dInputPressure);
  m_bNoLoopMa = !loopMa;
  if (loopMa) m_dLoopMa = *loopMa;
  UpdateData(Direction::ToEdits);
}

void CCalculateDlg::OnBnClickedCalculationAd() {
  UpdateData(Direction::ToMembers);
  const std::optional<RangeAdCounts> counts =
      AdCountsOfRange(m_dAdP4, m_dAdP20, m_dLowPressure, m_nAdLow, m_dHighPressure, m_nAdHigh);
  m_bNoAdCounts = !counts;
  if (counts) {
    m_nZeroAdc = counts->zero;
    m_nSpanAdc = counts->span;
  }
  UpdateData(Direction::ToEdits);
}
