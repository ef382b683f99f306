#include "CommunicationLog.h"

#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "FrameText.h"
#include "Language.h"
#include "PcapTrace.h"
#include "Prompts.h"
#include "SafeFile.h"

namespace {

QString TimeText(int64_t timeUs) {
  return QDateTime::fromMSecsSinceEpoch(timeUs / 1000).toString("HH:mm:ss.zzz");
}

}  // namespace

bool ParseCommandFilter(const QString& text, std::set<int>& commands) {
  std::set<int> parsed;
  for (const QString& part : text.split(QRegularExpression("[,;\\s]+"), Qt::SkipEmptyParts)) {
    bool ok = false;
    const int command = part.toInt(&ok);
    if (!ok || command < 0 || command > 255) return false;
    parsed.insert(command);
  }
  commands = std::move(parsed);
  return true;
}

FrameLogModel::FrameLogModel(const LinkMonitor& monitor, QObject* parent)
    : QAbstractTableModel(parent), m_monitor(monitor) {
  connect(&monitor, &LinkMonitor::frameAdded, this, &FrameLogModel::OnFrameAdded);
  connect(&monitor, &LinkMonitor::cleared, this, &FrameLogModel::Rebuild);
  Rebuild();
}

void FrameLogModel::SetCommandFilter(std::set<int> commands) {
  m_commands = std::move(commands);
  Rebuild();
}

bool FrameLogModel::Passes(const LoggedFrame& frame) const {
  return m_commands.empty() || m_commands.count(frame.command) > 0;
}

void FrameLogModel::Rebuild() {
  beginResetModel();
  m_rows.clear();
  for (const LoggedFrame& frame : m_monitor.Frames())
    if (Passes(frame)) m_rows.push_back(frame.serial);
  endResetModel();
}

void FrameLogModel::OnFrameAdded(bool dropped) {
  const std::deque<LoggedFrame>& frames = m_monitor.Frames();
  // The frame that left the log was older than every frame still in it.
  if (dropped && !m_rows.empty() && m_rows.front() < frames.front().serial) {
    beginRemoveRows({}, 0, 0);
    m_rows.pop_front();
    endRemoveRows();
  }
  const LoggedFrame& added = frames.back();
  if (!Passes(added)) return;
  const int row = static_cast<int>(m_rows.size());
  beginInsertRows({}, row, row);
  m_rows.push_back(added.serial);
  endInsertRows();
}

const LoggedFrame& FrameLogModel::FrameAt(int row) const {
  const std::deque<LoggedFrame>& frames = m_monitor.Frames();
  return frames[static_cast<size_t>(m_rows[static_cast<size_t>(row)] - frames.front().serial)];
}

int FrameLogModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FrameLogModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant FrameLogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const LoggedFrame& frame = FrameAt(index.row());
  if (role == Qt::ToolTipRole && index.column() == kDirection)
    return frame.fromDevice ? Tr("From the device") : Tr("To the device");
  if (role == Qt::TextAlignmentRole && index.column() == kCommand)
    return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kTime:
      return TimeText(frame.timeUs);
    case kDirection:
      return frame.fromDevice ? "<-" : "->";
    case kCommand:
      return frame.command < 0 ? QString() : QString::number(frame.command);
    case kDecode:
      return FrameDecodeText(frame);
    case kHex:
      return QString::fromStdString(HexBytes(frame.bytes));
    default:
      return {};
  }
}

QVariant FrameLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  // Asked again whenever the header is drawn: always in the language in force.
  static const char* const kTitles[kColumnCount] = {N_("Time"), N_("Dir"), N_("Cmd"), N_("Decode"),
                                                    N_("Bytes")};
  return section >= 0 && section < kColumnCount ? Tr(kTitles[section]) : QVariant();
}

CommunicationLogDlg::CommunicationLogDlg(LinkMonitor& monitor, QWidget* parent)
    : QDialog(parent, Qt::Window), m_monitor(monitor) {
  setObjectName("communicationLog");
  setWindowTitle("Communication Log");
  resize(900, 420);

  m_model = new FrameLogModel(monitor, this);
  m_table = new QTableView(this);
  m_table->setObjectName("frames");
  m_table->setAccessibleName("Frames");
  m_table->setModel(m_model);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setWordWrap(false);
  m_table->verticalHeader()->hide();
  m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  const int digit = fontMetrics().horizontalAdvance('0');
  m_table->setColumnWidth(FrameLogModel::kTime, digit * 14);
  m_table->setColumnWidth(FrameLogModel::kDirection, digit * 4);
  m_table->setColumnWidth(FrameLogModel::kCommand, digit * 5);
  m_table->setColumnWidth(FrameLogModel::kDecode, digit * 46);
  m_table->horizontalHeader()->setStretchLastSection(true);

  auto* filterLabel = new QLabel("Commands:", this);
  m_filter = new QLineEdit(this);
  m_filter->setObjectName("commandFilter");
  m_filter->setAccessibleName("Commands");
  m_filter->setPlaceholderText("all; or e.g. 1, 15, 48");
  filterLabel->setBuddy(m_filter);
  m_filterProblem = new QLabel(this);
  m_filterProblem->setObjectName("filterProblem");
  m_filterProblem->setStyleSheet("color: #b00000");
  m_count = new QLabel(this);
  m_count->setObjectName("frameCount");
  auto* clear = new QPushButton("Clear", this);
  clear->setObjectName("buttonClear");
  auto* save = new QPushButton("Save...", this);
  save->setObjectName("buttonSave");
  for (QPushButton* b : {clear, save})
    b->setAutoDefault(false);

  auto* top = new QHBoxLayout;
  top->addWidget(filterLabel);
  top->addWidget(m_filter, 1);
  top->addWidget(m_filterProblem, 2);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(m_count, 1);
  bottom->addWidget(clear);
  bottom->addWidget(save);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_table, 1);
  layout->addLayout(bottom);

  connect(m_filter, &QLineEdit::textEdited, this, &CommunicationLogDlg::OnFilterEdited);
  connect(clear, &QPushButton::clicked, &m_monitor, &LinkMonitor::Clear);
  connect(save, &QPushButton::clicked, this, &CommunicationLogDlg::OnSave);
  // New frames keep the view at the end unless the user has scrolled up to read.
  connect(m_model, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
    QScrollBar* bar = m_table->verticalScrollBar();
    m_followEnd = bar->value() == bar->maximum();
  });
  connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] {
    if (m_followEnd) m_table->scrollToBottom();
    UpdateCount();
  });
  connect(m_model, &QAbstractItemModel::rowsRemoved, this, &CommunicationLogDlg::UpdateCount);
  connect(m_model, &QAbstractItemModel::modelReset, this, &CommunicationLogDlg::UpdateCount);
  UpdateCount();
}

void CommunicationLogDlg::OnFilterEdited() {
  std::set<int> commands;
  if (!ParseCommandFilter(m_filter->text(), commands)) {
    // The rows stay as they were until the filter reads.
    m_filterProblem->setText("Commands are numbers from 0 to 255, separated by commas");
    return;
  }
  m_filterProblem->clear();
  m_model->SetCommandFilter(std::move(commands));
}

void CommunicationLogDlg::UpdateCount() {
  const size_t kept = m_monitor.Frames().size();
  QString text = Tr("%1 of %2 frames shown").arg(m_model->rowCount()).arg(kept);
  if (kept >= LinkMonitor::kCapacity) text += Tr(" (the last 10 000 are kept)");
  m_count->setText(text);
}

QByteArray CommunicationLogDlg::CaptureBytes() const {
  std::vector<uint8_t> bytes = PcapEncoder::FileHeader();
  PcapEncoder encoder;
  for (int row = 0; row < m_model->rowCount(); ++row) {
    const LoggedFrame& frame = m_model->FrameAt(row);
    encoder.AppendRecord(bytes, frame.fromDevice, frame.AnswerBytes(), frame.timeUs);
  }
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

void CommunicationLogDlg::OnSave() {
  if (m_model->rowCount() == 0) {
    ShowMessage("The log shows no frames to save");
    return;
  }
  const QString name = QDateTime::currentDateTime().toString("'hart-log-'yyyyMMdd-HHmmss'.pcap'");
  const QString path = AskSaveFile(Tr("Capture (*.pcap)"), name);
  if (path.isEmpty()) return;
  QString error;
  if (!WriteWholeFile(path, CaptureBytes(), &error)) ShowMessage(SaveFailureMessage(path, error));
}
