#include "DeviceHistoryDlg.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "BackgroundJob.h"
#include "CMorvaneDlg.h"
#include "ConfigCompare.h"
#include "ConfigTransfer.h"
#include "Prompts.h"
#include "Retranslate.h"
#include "SafeFile.h"
#include "Texts.h"
#include "UiThreadQueue.h"

// The window's reading of the store: one worker thread with its own connection runs the
// questions in turn and posts each answer to the UI thread. Questions go in lanes (the device
// list, the records, a side of Compare): a newer question replaces one of its lane that has
// not started, and an answer is dropped when a newer question of its lane was asked since.
class StoreReader {
 public:
  // Runs on the UI thread with the answer.
  using Answer = std::function<void()>;
  // Runs on the worker with the store (null when it could not be opened: `error` then says
  // why); sets `error` when the store could not answer.
  using Query = std::function<Answer(RecordStore* store, QString& error)>;

  explicit StoreReader(RecordsLocation where);
  // Waits a moment for the worker to end; one held up by a hanging server is left to end on
  // its own.
  ~StoreReader();

  // UI thread only.
  int NewLane();
  void Ask(int lane, Query query);
  // Drops what was asked in `lane` and not yet answered.
  void Cancel(int lane);

 private:
  struct Job {
    int lane = 0;
    uint64_t serial = 0;
    Query query;
  };
  struct Shared {
    RecordsLocation where;
    std::mutex mu;
    std::condition_variable wake;
    std::condition_variable ended;
    std::deque<Job> jobs;
    bool quit = false;
    bool finished = false;
    // UI thread only: the newest question of each lane, and whether answers are still wanted.
    std::vector<uint64_t> newest;
    bool stopped = false;
  };
  static void Work(const std::shared_ptr<Shared>& shared);
  void DropQueued(int lane);

  std::shared_ptr<Shared> m_shared;
  std::thread m_thread;
};

namespace {

constexpr int kImageScan = 10000;  // how many of a device's newest records Compare looks through
constexpr int kFilterPauseMs = 150;

// The store as the window reads it: nothing is created by looking at it, so a missing
// SQLite file is "no records yet" rather than a new, empty database.
std::unique_ptr<RecordStore> OpenForReading(const RecordsLocation& where, QString* error) {
  if (where.kind == RecordsLocation::Kind::None) {
    *error = Tr("no records are kept (Records=none in the settings)");
    return nullptr;
  }
  if (where.kind == RecordsLocation::Kind::SQLite) {
    const QString path = where.file.isEmpty() ? QStringLiteral("Records.db") : where.file;
    if (!QFileInfo::exists(path)) {
      *error = Tr("no records yet (%1 does not exist)").arg(path);
      return nullptr;
    }
  }
  return RecordStore::Open(where, error);
}

bool SameLocation(const RecordsLocation& a, const RecordsLocation& b) {
  return a.kind == b.kind && a.file == b.file && a.host == b.host && a.user == b.user &&
         a.password == b.password && a.database == b.database && a.port == b.port;
}

QString LocalTime(qint64 utcMs) {
  return QDateTime::fromMSecsSinceEpoch(utcMs).toString("yyyy-MM-dd HH:mm:ss");
}

// "12 345"
QString Grouped(qint64 n) {
  QString digits = QString::number(n);
  for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
    digits.insert(at, ' ');
  return digits;
}

// The filter as typed, in quotes (outside the texts: a catalogue's id keeps no quote).
QString Quoted(const QString& text) {
  return '"' + text + '"';
}

QString RecordCount(qint64 n) {
  return (n == 1 ? Tr("%1 record") : Tr("%1 records")).arg(Grouped(n));
}

QTableWidget* MakeTable(QWidget* parent, const char* name, const char* accessibleName,
                        const QStringList& titles) {
  auto* table = new QTableWidget(0, static_cast<int>(titles.size()), parent);
  table->setObjectName(name);
  table->setAccessibleName(accessibleName);
  table->setHorizontalHeaderLabels(titles);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

// Row `row` of `table` holds `texts`, the full text also as the tool tip (details are long).
void SetRow(QTableWidget* table, int row, const QStringList& texts) {
  for (int column = 0; column < texts.size(); ++column) {
    auto* item = new QTableWidgetItem(texts[column]);
    item->setToolTip(texts[column]);
    table->setItem(row, column, item);
  }
}

QPushButton* MakeButton(QWidget* parent, const char* text, const char* name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

// What Compare calls an image kept with a record.
QString ImageSource(const DeviceRecord& r) {
  return QString("%1, %2, %3 on %4").arg(r.operation, LocalTime(r.timeUtcMs), r.user, r.station);
}

// The device now, read afresh on the main window's job: identified at the station number
// first, so an image is never taken from another device than the one asked for.
std::optional<ConfigImage> ReadDeviceNow(BackgroundJob& job, DeviceOperationHost& host,
                                         DeviceState& ds, const QString& device) {
  constexpr int kProgressHigh = 90;
  std::string found;
  if (!ConnectDevice(ds, host, "Device History > Compare", &found) || !job.Running())
    return std::nullopt;
  if (QString::fromStdString(found).compare(device, Qt::CaseInsensitive) != 0) {
    host.ShowMessage((TrFormat("The device at station number %d is %s, not %s.", host.PollAddress(),
                               found.c_str(), device.toUtf8().constData()) +
                      "\n" + Tr("Nothing was read."))
                         .toStdString());
    return std::nullopt;
  }
  host.SetProgressRange(kProgressHigh);
  host.SetProgressPos(1);
  ConfigImage image{};
  if (!ReadConfigBlocks(host, ds, image, [&job] { return job.Running(); })) return std::nullopt;
  host.SetProgressPos(kProgressHigh);
  ds.Time().SleepMs(100);
  host.SetProgressPos(0);
  return image;
}

}  // namespace

// ---- StoreReader ----

StoreReader::StoreReader(RecordsLocation where) : m_shared(std::make_shared<Shared>()) {
  m_shared->where = std::move(where);
  TheUiQueue();  // made on the UI thread before the worker posts to it
  m_thread = std::thread([shared = m_shared] { Work(shared); });
}

StoreReader::~StoreReader() {
  m_shared->stopped = true;
  std::unique_lock<std::mutex> lock(m_shared->mu);
  m_shared->quit = true;
  m_shared->jobs.clear();
  m_shared->wake.notify_all();
  if (m_shared->ended.wait_for(lock, std::chrono::seconds(2),
                               [this] { return m_shared->finished; })) {
    lock.unlock();
    m_thread.join();
  } else {
    m_thread.detach();
  }
}

int StoreReader::NewLane() {
  m_shared->newest.push_back(0);
  return static_cast<int>(m_shared->newest.size()) - 1;
}

void StoreReader::DropQueued(int lane) {
  std::lock_guard<std::mutex> hold(m_shared->mu);
  std::erase_if(m_shared->jobs, [lane](const Job& job) { return job.lane == lane; });
}

void StoreReader::Ask(int lane, Query query) {
  const uint64_t serial = ++m_shared->newest[static_cast<size_t>(lane)];
  DropQueued(lane);
  std::lock_guard<std::mutex> hold(m_shared->mu);
  m_shared->jobs.push_back({lane, serial, std::move(query)});
  m_shared->wake.notify_one();
}

void StoreReader::Cancel(int lane) {
  ++m_shared->newest[static_cast<size_t>(lane)];
  DropQueued(lane);
}

void StoreReader::Work(const std::shared_ptr<Shared>& shared) {
  std::unique_ptr<RecordStore> store;
  for (;;) {
    Job job;
    {
      std::unique_lock<std::mutex> lock(shared->mu);
      shared->wake.wait(lock, [&] { return shared->quit || !shared->jobs.empty(); });
      if (shared->quit) break;
      job = std::move(shared->jobs.front());
      shared->jobs.pop_front();
    }
    QString error;
    if (!store) store = OpenForReading(shared->where, &error);
    Answer answer = job.query(store.get(), error);
    // A connection that failed (a server restarted, a file replaced) is made afresh next time.
    if (store && !error.isEmpty()) store.reset();
    TheUiQueue().Post([shared, lane = job.lane, serial = job.serial, answer = std::move(answer)] {
      if (!shared->stopped && shared->newest[static_cast<size_t>(lane)] == serial) answer();
    });
  }
  store.reset();
  std::lock_guard<std::mutex> hold(shared->mu);
  shared->finished = true;
  shared->ended.notify_all();
}

// ---- The window ----

DeviceHistoryDlg::DeviceHistoryDlg(const RecordsLocation& where, QWidget* parent)
    : QDialog(parent, Qt::Window), m_where(where) {
  setObjectName("deviceHistory");
  setWindowTitle("Device History");
  resize(1180, 600);

  m_deviceTable = MakeTable(this, "devices", "Devices",
                            {N_("Tag"), N_("Long Address"), N_("Last Seen"), N_("Records")});
  m_recordTable = MakeTable(
      this, "records", "Records",
      {N_("Time"), N_("Station"), N_("User"), N_("Operation"), N_("Detail"), N_("Result")});
  const int digit = fontMetrics().horizontalAdvance('0');
  m_deviceTable->setColumnWidth(0, digit * 16);
  m_deviceTable->setColumnWidth(1, digit * 16);
  m_deviceTable->setColumnWidth(2, digit * 22);
  const int recordWidths[] = {19, 10, 9, 34, 60};  // the result takes the rest
  for (int column = 0; column < 5; ++column)
    m_recordTable->setColumnWidth(column, digit * recordWidths[column]);

  auto* devicesLabel = new QLabel("Devices:", this);
  devicesLabel->setBuddy(m_deviceTable);
  auto* filterLabel = new QLabel("Filter:", this);
  m_filter = new QLineEdit(this);
  m_filter->setObjectName("recordFilter");
  m_filter->setAccessibleName("Filter");
  m_filter->setPlaceholderText(
      "all records; or text in the operation, detail, result, tag, "
      "station or user");
  m_filter->setClearButtonEnabled(true);
  filterLabel->setBuddy(m_filter);
  m_count = new QLabel(this);
  m_count->setObjectName("recordCount");
  m_count->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QPushButton* refresh = MakeButton(this, N_("Refresh"), "buttonRefresh");
  QPushButton* compare = MakeButton(this, N_("Compare..."), "buttonCompare");
  QPushButton* exportCsv = MakeButton(this, N_("Export CSV..."), "buttonExportCsv");

  auto* filterRow = new QHBoxLayout;
  filterRow->addWidget(filterLabel);
  filterRow->addWidget(m_filter, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(m_count, 1);
  bottom->addWidget(refresh);
  bottom->addWidget(compare);
  bottom->addWidget(exportCsv);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(devicesLabel);
  layout->addWidget(m_deviceTable, 1);
  layout->addLayout(filterRow);
  layout->addWidget(m_recordTable, 3);
  layout->addLayout(bottom);

  connect(m_deviceTable, &QTableWidget::itemSelectionChanged, this, [this] {
    if (ChosenDevice() != m_askedDevice) QueryRecords();
  });
  connect(m_filter, &QLineEdit::textChanged, this, &DeviceHistoryDlg::OnFilterEdited);
  connect(refresh, &QPushButton::clicked, this, &DeviceHistoryDlg::Refresh);
  connect(compare, &QPushButton::clicked, this, &DeviceHistoryDlg::OnCompare);
  connect(exportCsv, &QPushButton::clicked, this, &DeviceHistoryDlg::OnExportCsv);

  SetLocation(where);
}

DeviceHistoryDlg::~DeviceHistoryDlg() {
  // Compare windows may keep the reader a moment longer: nothing more comes to this one.
  m_reader->Cancel(m_devicesLane);
  m_reader->Cancel(m_recordsLane);
}

void DeviceHistoryDlg::SetLocation(const RecordsLocation& where) {
  if (!m_reader || !SameLocation(where, m_where)) {
    if (m_reader) {
      // Open Compare windows keep reading the old store; this window's answers from it end.
      m_reader->Cancel(m_devicesLane);
      m_reader->Cancel(m_recordsLane);
    }
    m_where = where;
    m_reader = std::make_shared<StoreReader>(where);
    m_devicesLane = m_reader->NewLane();
    m_recordsLane = m_reader->NewLane();
  }
  Refresh();
}

void DeviceHistoryDlg::Refresh() {
  m_reading = true;
  ShowCount();
  m_reader->Ask(m_devicesLane, [this](RecordStore* store, QString& error) -> StoreReader::Answer {
    std::vector<DeviceSummary> devices;
    if (store) devices = store->Devices(&error);
    return [this, devices = std::move(devices), error]() mutable {
      FillDevices(std::move(devices), error);
    };
  });
}

QString DeviceHistoryDlg::ChosenDevice() const {
  const int row = m_deviceTable->currentRow();
  return row >= 0 && static_cast<size_t>(row) < m_devices.size()
             ? m_devices[static_cast<size_t>(row)].device
             : QString();
}

void DeviceHistoryDlg::FillDevices(std::vector<DeviceSummary> devices, const QString& error) {
  const QString chosen = ChosenDevice();
  {
    // Setting the rows is not the user choosing a device: the records follow once below.
    const QSignalBlocker quiet(m_deviceTable);
    m_devices = std::move(devices);
    m_deviceTable->clearContents();
    m_deviceTable->setRowCount(static_cast<int>(m_devices.size()));
    int chosenRow = m_devices.empty() ? -1 : 0;
    for (size_t i = 0; i < m_devices.size(); ++i) {
      const DeviceSummary& d = m_devices[i];
      const int row = static_cast<int>(i);
      SetRow(m_deviceTable, row,
             {d.tag, d.device.isEmpty() ? Tr("(not identified)") : d.device,
              LocalTime(d.lastSeenUtcMs), Grouped(d.records)});
      m_deviceTable->item(row, 3)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (d.device == chosen) chosenRow = row;
    }
    if (chosenRow >= 0) m_deviceTable->selectRow(chosenRow);
  }
  if (!error.isEmpty()) {
    m_reading = false;
    m_error = error;
    m_reader->Cancel(m_recordsLane);
    m_shown.clear();
    m_recordTable->setRowCount(0);
    ShowCount();
    return;
  }
  m_error.clear();
  QueryRecords();
}

void DeviceHistoryDlg::OnFilterEdited() {
  // The question goes out once the typing pauses, not at every key.
  const int edit = ++m_filterEdits;
  AfterMs(this, kFilterPauseMs, [this, edit] {
    if (edit == m_filterEdits) QueryRecords();
  });
}

void DeviceHistoryDlg::QueryRecords() {
  const QString device = ChosenDevice();
  const QString filter = m_filter->text().trimmed();
  m_askedDevice = device;
  if (m_deviceTable->currentRow() < 0) {
    m_reader->Cancel(m_recordsLane);
    m_shownDevice.clear();
    FillRecords({}, filter, m_error);
    return;
  }
  m_reading = true;
  ShowCount();
  m_reader->Ask(m_recordsLane,
                [this, device, filter](RecordStore* store, QString& error) -> StoreReader::Answer {
                  std::vector<DeviceRecord> records;
                  // One more than is shown tells whether the store holds more.
                  if (store) records = store->Records(device, filter, kShownRecords + 1, &error);
                  return [this, records = std::move(records), device, filter, error]() mutable {
                    m_shownDevice = device;
                    FillRecords(std::move(records), filter, error);
                  };
                });
}

void DeviceHistoryDlg::FillRecords(std::vector<DeviceRecord> records, const QString& filter,
                                   const QString& error) {
  m_reading = false;
  m_error = error;
  m_moreRecords = records.size() > static_cast<size_t>(kShownRecords);
  if (m_moreRecords) records.resize(kShownRecords);
  m_shown = std::move(records);
  m_shownFilter = filter;
  m_recordTable->clearContents();
  m_recordTable->setRowCount(static_cast<int>(m_shown.size()));
  for (size_t i = 0; i < m_shown.size(); ++i) {
    const DeviceRecord& r = m_shown[i];
    const int row = static_cast<int>(i);
    SetRow(m_recordTable, row,
           {LocalTime(r.timeUtcMs), r.station, r.user, r.operation, r.detail, r.result});
    if (r.result != kRecordOk) m_recordTable->item(row, 5)->setForeground(QColor(0xb0, 0, 0));
  }
  ShowCount();
}

void DeviceHistoryDlg::ShowCount() {
  QString text;
  if (!m_error.isEmpty()) {
    text = Tr("Records cannot be read: %1").arg(m_error);
  } else if (m_reading) {
    text = Tr("Reading the records...");
  } else if (m_devices.empty()) {
    text = Tr("The records hold no devices");
  } else {
    qint64 total = 0;
    for (const DeviceSummary& d : m_devices)
      if (d.device == m_shownDevice) total = d.records;
    const qint64 shown = static_cast<qint64>(m_shown.size());
    total = std::max(total, shown);  // records added since the device list was read
    if (m_shownFilter.isEmpty())
      text = m_moreRecords ? Tr("%1 newest of %2 shown").arg(Grouped(shown), RecordCount(total))
                           : Tr("%1 shown").arg(RecordCount(shown));
    else if (m_moreRecords)
      text = Tr("%1 newest that contain %2 shown (of %3)")
                 .arg(RecordCount(shown), Quoted(m_shownFilter), RecordCount(total));
    else
      text =
          Tr("%1 of %2 contain %3").arg(Grouped(shown), RecordCount(total), Quoted(m_shownFilter));
  }
  m_count->setText(text);
}

void DeviceHistoryDlg::OnCompare() {
  const int row = m_deviceTable->currentRow();
  if (row < 0) {
    ShowMessage("Choose a device in the list first");
    return;
  }
  const DeviceSummary& d = m_devices[static_cast<size_t>(row)];
  const QString label = d.tag.isEmpty() ? d.device : d.tag + " (" + d.device + ")";
  auto* compare = new ConfigCompareDlg(m_reader, d.device, label, m_readDevice, this);
  compare->show();
}

namespace {

// The names of the records CSV's columns (records/ writes them), listed here for the
// catalogues.
[[maybe_unused]] const char* const kRecordsCsvColumns[] = {
    N_("time"), N_("station"),   N_("user"),   N_("device"),
    N_("tag"),  N_("operation"), N_("detail"), N_("result"),
};

}  // namespace

void DeviceHistoryDlg::OnExportCsv() {
  if (m_shown.empty()) {
    ShowMessage("The window shows no records to export");
    return;
  }
  QString device = m_shownDevice;
  device.replace('/', '_');
  const QString name =
      "history-" + device + QDateTime::currentDateTime().toString("'-'yyyyMMdd-HHmmss'.csv'");
  const QString path = AskSaveFile(Tr("CSV (*.csv)"), name);
  if (path.isEmpty()) return;
  QString error;
  if (!WriteWholeFile(path, RecordsCsv(m_shown, [](const char* name) { return Tr(name); }), &error))
    ShowMessage(SaveFailureMessage(path, error));
}

// ---- Compare ----

namespace {

// What a side's list holds besides the device's images.
constexpr int kChoiceFile = -1;
constexpr int kChoiceDevice = -2;

}  // namespace

ConfigCompareDlg::ConfigCompareDlg(std::shared_ptr<StoreReader> reader, const QString& device,
                                   const QString& deviceLabel, ReadDeviceImage readDevice,
                                   QWidget* parent)
    : QDialog(parent, Qt::Window),
      m_reader(std::move(reader)),
      m_device(device),
      m_readDevice(std::move(readDevice)),
      m_alive(std::make_shared<bool>(true)) {
  setObjectName("configCompare");
  setAttribute(Qt::WA_DeleteOnClose);
  const QString title = Tr("Compare - %1").arg(deviceLabel);
  setWindowTitle(title);
  resize(900, 640);

  auto* grid = new QGridLayout;
  const char* const sideNames[2] = {"Left", "Right"};
  const char* const sideLabels[2] = {N_("Left:"), N_("Right:")};
  for (int side = 0; side < 2; ++side) {
    auto* label = new QLabel(sideLabels[side], this);
    m_choice[side] = new QComboBox(this);
    m_choice[side]->setObjectName(side == 0 ? "leftImage" : "rightImage");
    m_choice[side]->setAccessibleName(QString(sideNames[side]) + " image");
    const QString reading = Tr("Reading the device's uploads and downloads...");
    m_choice[side]->setPlaceholderText(reading);
    m_choice[side]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    label->setBuddy(m_choice[side]);
    m_source[side] = new QLabel(this);
    m_source[side]->setObjectName(side == 0 ? "leftSource" : "rightSource");
    m_source[side]->setWordWrap(true);
    grid->addWidget(label, 0, 2 * side);
    grid->addWidget(m_choice[side], 0, 2 * side + 1);
    grid->addWidget(m_source[side], 1, 2 * side + 1);
    grid->setColumnStretch(2 * side + 1, 1);
    m_sideLane[side] = m_reader->NewLane();
    connect(m_choice[side], &QComboBox::activated, this,
            [this, side](int index) { OnChoice(side, index); });
  }
  m_table = MakeTable(this, "values", "Values", {N_("Value"), N_("Left"), N_("Right"), "≠"});
  const int digit = fontMetrics().horizontalAdvance('0');
  m_table->setColumnWidth(0, digit * 22);
  m_table->horizontalHeader()->setStretchLastSection(false);
  m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  m_table->setColumnWidth(3, digit * 4);
  m_count = new QLabel(this);
  m_count->setObjectName("differenceCount");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(m_table, 1);
  layout->addWidget(m_count);

  m_listLane = m_reader->NewLane();
  m_reader->Ask(m_listLane,
                [this, device](RecordStore* store, QString& error) -> StoreReader::Answer {
                  std::vector<DeviceRecord> images;
                  if (store)
                    for (DeviceRecord& r : store->Records(device, {}, kImageScan, &error))
                      if (r.kind == record_kind::kUpload || r.kind == record_kind::kDownload)
                        images.push_back(std::move(r));
                  return [this, images = std::move(images), error]() mutable {
                    FillChoices(std::move(images), error);
                  };
                });
  ShowComparison();
}

ConfigCompareDlg::~ConfigCompareDlg() {
  *m_alive = false;
  for (int lane : {m_listLane, m_sideLane[0], m_sideLane[1]})
    m_reader->Cancel(lane);
}

void ConfigCompareDlg::FillChoices(std::vector<DeviceRecord> records, const QString& error) {
  m_imageRecords = std::move(records);
  for (int side = 0; side < 2; ++side) {
    QComboBox* box = m_choice[side];
    box->clear();
    for (size_t i = 0; i < m_imageRecords.size(); ++i)
      box->addItem(ImageSource(m_imageRecords[i]), static_cast<int>(i));
    box->addItem("Data file (.Hart)...", kChoiceFile);
    if (m_readDevice) box->addItem("The device now", kChoiceDevice);
    const QString choose = Tr("Choose an image");
    box->setPlaceholderText(choose);
    box->setCurrentIndex(-1);
  }
  const QString unread = Tr("The records cannot be read: %1").arg(error);
  if (!error.isEmpty()) m_count->setText(unread);
  // The two newest images to begin with: what changed last.
  const int count = static_cast<int>(m_imageRecords.size());
  for (int side = 0; side < 2; ++side) {
    const int index = count >= 2 ? 1 - side : (side == 1 && count == 1 ? 0 : -1);
    if (index < 0) continue;
    m_choice[side]->setCurrentIndex(index);
    OnChoice(side, index);
  }
}

void ConfigCompareDlg::OnChoice(int side, int index) {
  QComboBox* box = m_choice[side];
  const int choice = box->itemData(index).toInt();
  std::optional<ConfigImage> fileImage;
  QString path;
  if (choice == kChoiceFile) {
    path = AskOpenFile(kDataFileFilter, QString());
    std::string refusal;
    if (!path.isEmpty()) fileImage = LoadConfigFile(path, refusal);
    if (!fileImage) {
      if (!refusal.empty()) ShowMessage(QString::fromStdString(refusal));
      box->setCurrentIndex(m_chosen[side]);  // the side keeps what it showed
      return;
    }
  }
  // What this side was asked before no longer counts.
  const int ask = ++m_sideAsk[side];
  m_reader->Cancel(m_sideLane[side]);
  m_chosen[side] = index;
  if (choice >= 0) {
    LoadRecordImage(side, m_imageRecords[static_cast<size_t>(choice)]);
  } else if (fileImage) {
    SetSide(side, *fileImage, Tr("File %1").arg(QFileInfo(path).fileName()));
  } else if (choice == kChoiceDevice) {
    m_image[side].reset();
    ShowSourceText(m_source[side], N_("Reading the device..."));
    ShowComparison();
    m_readDevice(m_device, [this, alive = m_alive, side, ask](std::optional<ConfigImage> image) {
      if (!*alive || ask != m_sideAsk[side]) return;
      if (image) {
        SetSide(
            side, *image,
            Tr("The device, read at %1").arg(QDateTime::currentDateTime().toString("HH:mm:ss")));
      } else {
        ShowSourceText(m_source[side], N_("The device was not read"));
      }
    });
  }
}

void ConfigCompareDlg::LoadRecordImage(int side, const DeviceRecord& record) {
  m_image[side].reset();
  ShowSourceText(m_source[side], N_("Reading the image..."));
  ShowComparison();
  m_reader->Ask(
      m_sideLane[side],
      [this, side, uid = record.uid](RecordStore* store, QString& error) -> StoreReader::Answer {
        std::optional<QByteArray> bytes;
        if (store) bytes = store->Image(uid, &error);
        return [this, side, bytes = std::move(bytes), error] {
          if (!bytes || bytes->size() != kConfigImageSize) {
            m_source[side]->setText(!error.isEmpty() ? Tr("The image cannot be read: %1").arg(error)
                                    : !bytes         ? Tr("The record keeps no image")
                                                     : Tr("The record's image has %1 bytes, not %2")
                                                   .arg(bytes->size())
                                                   .arg(kConfigImageSize));
            return;
          }
          ConfigImage image;
          std::copy_n(reinterpret_cast<const uint8_t*>(bytes->constData()), kConfigImageSize,
                      image.begin());
          SetSide(side, image, QString());  // the list names the record
        };
      });
}

void ConfigCompareDlg::SetSide(int side, const ConfigImage& image, const QString& source) {
  m_image[side] = image;
  m_source[side]->setText(source);
  ShowComparison();
}

void ConfigCompareDlg::ShowComparison() {
  m_table->clearContents();
  if (!m_image[0] || !m_image[1]) {
    m_table->setRowCount(0);
    ShowSourceText(m_count, N_("Choose an image on each side"));
    return;
  }
  const std::vector<ConfigCompareRow> rows =
      CompareConfigs(DecodeConfigImage(*m_image[0]), DecodeConfigImage(*m_image[1]));
  m_table->setRowCount(static_cast<int>(rows.size()));
  for (size_t i = 0; i < rows.size(); ++i) {
    const ConfigCompareRow& r = rows[i];
    const int row = static_cast<int>(i);
    SetRow(m_table, row,
           {QString::fromStdString(r.name), QString::fromStdString(r.left),
            QString::fromStdString(r.right), r.differs ? QStringLiteral("≠") : QString()});
    if (!r.differs) continue;
    for (int column = 0; column < 4; ++column) {
      QTableWidgetItem* item = m_table->item(row, column);
      QFont font = item->font();
      font.setBold(true);
      item->setFont(font);
      item->setForeground(QColor(0xb0, 0, 0));
    }
  }
  const int differ = CountDifferences(rows);
  m_count->setText(differ == 0   ? Tr("The two images hold the same values")
                   : differ == 1 ? Tr("1 value differs")
                                 : Tr("%1 values differ").arg(differ));
}

// ---- The main window's side ----

ReadDeviceImage MainWindowImageReader(CMorvaneDlg& window) {
  return [&window](const QString& device, DeviceImageDone done) {
    if (!window.m_bJobIdle.load()) {
      ShowMessage(Texts::kBusy);
      done(std::nullopt);
      return;
    }
    auto handBack = std::make_shared<DeviceImageDone>(std::move(done));
    window.StartJob(CMorvaneDlg::JobPair::Job, [&window, device, handBack](BackgroundJob& job) {
      std::optional<ConfigImage> image = ReadDeviceNow(job, window, TheDeviceState(), device);
      TheUiQueue().Post([handBack, image] { (*handBack)(image); });
    });
  };
}

void ShowDeviceHistory(QWidget* parent, const RecordsLocation& where) {
  auto* dlg = parent ? parent->findChild<DeviceHistoryDlg*>(QString(), Qt::FindDirectChildrenOnly)
                     : nullptr;
  if (dlg) {
    dlg->SetLocation(where);
  } else {
    dlg = new DeviceHistoryDlg(where, parent);
    if (!parent) dlg->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* window = qobject_cast<CMorvaneDlg*>(parent))
      dlg->SetDeviceImageReader(MainWindowImageReader(*window));
  }
  dlg->show();
  dlg->raise();
  dlg->activateWindow();
}
