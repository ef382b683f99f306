#include "SearchResultsDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Language.h"

namespace {

QString Hex(unsigned value, int digits) {
  return QString::asprintf("0x%0*X", digits, value);
}

QTableWidgetItem* Cell(const QString& text) {
  auto* cell = new QTableWidgetItem(text);
  cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return cell;
}

}  // namespace

SearchResultsDlg::SearchResultsDlg(const QString& heading, const std::vector<FoundDevice>& devices,
                                   QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Polling Device");
  auto* layout = new QVBoxLayout(this);

  m_heading = new QLabel(heading, this);
  m_heading->setObjectName("searchHeading");
  layout->addWidget(m_heading);

  m_table = new QTableWidget(static_cast<int>(devices.size()), kColumnCount, this);
  m_table->setObjectName("searchResults");
  m_table->setAccessibleName("Devices found");
  m_table->setHorizontalHeaderLabels(
      {N_("Polling Address"), N_("Tag"), N_("Manufacturer"), N_("Device Type"), N_("Device ID")});
  m_table->verticalHeader()->hide();
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int row = 0; row < static_cast<int>(devices.size()); ++row) {
    const FoundDevice& d = devices[static_cast<size_t>(row)];
    QTableWidgetItem* address = Cell(QString::number(d.address));
    address->setData(Qt::UserRole, d.address);
    m_table->setItem(row, kAddress, address);
    m_table->setItem(row, kTag, Cell(QString::fromLatin1(d.tag.c_str())));
    // Numbers as the status bar's long address shows them; the program has no name tables.
    m_table->setItem(row, kManufacturer, Cell(Hex(d.identity.manufacturerId & 0x3Fu, 2)));
    m_table->setItem(row, kDeviceType, Cell(Hex(d.identity.deviceType, 2)));
    m_table->setItem(row, kDeviceId, Cell(Hex(d.identity.deviceId, 6)));
  }
  m_table->resizeColumnsToContents();
  m_table->horizontalHeader()->setStretchLastSection(true);
  // Wide enough for every column without a scroll bar.
  m_table->setMinimumWidth(m_table->horizontalHeader()->length() + 2 * m_table->frameWidth() + 24);
  layout->addWidget(m_table);

  // Buttons of our own texts: the standard ones take Qt's words back at every language change.
  auto* buttons = new QDialogButtonBox(this);
  m_ok = buttons->addButton(N_("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(N_("Cancel"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { Choose(m_table->currentRow()); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { Choose(row); });
  // OK needs a row to choose.
  connect(m_table, &QTableWidget::itemSelectionChanged, this,
          [this] { m_ok->setEnabled(!m_table->selectedItems().isEmpty()); });
  if (!devices.empty()) m_table->selectRow(0);
  m_ok->setEnabled(!devices.empty());
}

void SearchResultsDlg::Choose(int row) {
  const QTableWidgetItem* address = row >= 0 ? m_table->item(row, kAddress) : nullptr;
  if (!address) return;
  emit deviceChosen(address->data(Qt::UserRole).toInt());
  accept();
}
