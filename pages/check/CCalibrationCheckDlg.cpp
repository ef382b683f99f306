#include "CCalibrationCheckDlg.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

#include "AppSettings.h"
#include "CMorvaneDlg.h"
#include "NumberText.h"
#include "PageForm.h"
#include "PageRecord.h"
#include "Prompts.h"
#include "SafeFile.h"
#include "Texts.h"

using check_page::CheckRun;
using check_page::PointOutcome;
using check_page::ReadEnd;

namespace {

const QStringList kRules = {N_("Simple acceptance"), N_("Guarded by the reference uncertainty")};
const char* const kRuleKeys[] = {"Simple", "Guarded"};
using check::kPercentOfSpan;
constexpr char kPdfFilter[] = "PDF (*.pdf)";
// The pages the links show.
constexpr int kLoopPage = 1;
constexpr int kRerangePage = 5;
constexpr int kTwoPointTrimPage = 6;

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// "+0.500": an error in % of span as the table shows it.
QString SignedText(double value) {
  QString text = QString::number(value, 'f', 3);
  if (text.toDouble() == 0) return QString::number(0.0, 'f', 3);
  return value > 0 ? "+" + text : text;
}

QPushButton* NamedButton(const QString& text, const char* name, const QString& description,
                         QWidget* parent) {
  QPushButton* button = PageButton(text, 0, parent);
  button->setObjectName(name);
  button->setAccessibleDescription(description);
  return button;
}

// A row's field named for automation by what it holds rather than by a control id.
template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

CCalibrationCheckDlg::CCalibrationCheckDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, kDialogId, "Calibration Check"), m_window(mainDlg) {
  PageForm form(this);
  form.Group("Test", 0);
  m_editPoints = Named(form.Row("Test points (% of range)").Edit(0, {}, 26), "checkPoints");
  FormRow pvTolerance = form.Row("PV tolerance");
  m_editPvTolerance = Named(pvTolerance.Edit(0, {}, 6), "checkPvTolerance");
  pvTolerance.Unit(kPercentOfSpan);
  FormRow currentTolerance = form.Row("Loop current tolerance");
  m_editCurrentTolerance = Named(currentTolerance.Edit(0, {}, 6), "checkCurrentTolerance");
  currentTolerance.Unit(kPercentOfSpan);
  m_comboRule = Named(form.Row("Decision rule").Combo(0, kRules), "checkRule");
  FormRow ambient = form.Row("Ambient");
  m_editAmbient = Named(ambient.Edit(0, "Ambient temperature", 5), "checkAmbient");
  ambient.Unit("°C");
  m_editHumidity = Named(ambient.Edit(0, "Humidity", 5), "checkHumidity");
  ambient.Unit("%RH");

  form.Group("Reference standard", 1);
  m_editReferenceName = Named(form.Row("Reference").Edit(0, {}, 20), "checkReferenceName");
  m_editReferenceSerial = Named(form.Row("Serial number").Edit(0, {}, 20), "checkReferenceSerial");
  FormRow uncertainty = form.Row("Uncertainty (k = 2)");
  m_editUncertainty = Named(uncertainty.Edit(0, {}, 6), "checkUncertainty");
  m_comboUncertaintyUnit = Named(uncertainty.Combo(0, {kPercentOfSpan, "kPa"}, "Uncertainty unit"),
                                 "checkUncertaintyUnit");
  m_editDueDate = Named(form.Row("Calibration due").Edit(0, {}, 10), "checkDueDate");
  m_editDueDate->setPlaceholderText("yyyy-MM-dd");
  m_editTechnician = Named(form.Row("Technician").Edit(0, {}, 20), "checkTechnician");

  // The runs: their buttons, the table of the run shown, both runs' results, the links.
  auto* box = new QGroupBox("Run", this);
  box->setAccessibleName("Run");
  auto* runLayout = new QVBoxLayout(box);
  runLayout->setContentsMargins(6, 4, 6, 4);
  runLayout->setSpacing(4);
  auto* buttons = new QHBoxLayout;
  m_buttonStartAsFound = NamedButton(N_("Start As Found"), "buttonStartAsFound",
                                     "Reads the device and starts the as-found run", box);
  m_buttonStartAsLeft = NamedButton(N_("Start As Left"), "buttonStartAsLeft",
                                    "Reads the device and starts the as-left run", box);
  m_buttonRead = NamedButton(N_("Read"), "buttonRead", "Reads the selected point", box);
  m_buttonStop = NamedButton(N_("Stop"), "buttonStop", "Ends the run as incomplete", box);
  m_buttonSaveCertificate =
      NamedButton(N_("Save Certificate..."), "buttonSaveCertificate",
                  "Saves the certificate of the runs as PDF, with a CSV beside it", box);
  for (QPushButton* b : {m_buttonStartAsFound, m_buttonStartAsLeft, m_buttonRead, m_buttonStop})
    buttons->addWidget(b);
  m_labelRun =
      Named(new QLabel("Set up the check and press Start As Found.", box), "checkRunStatus");
  m_labelRun->setWordWrap(true);
  buttons->addWidget(m_labelRun, 1);
  buttons->addWidget(m_buttonSaveCertificate);
  runLayout->addLayout(buttons);

  m_table = Named(new QTableWidget(0, 8, box), "checkTable");
  m_table->setAccessibleName("Test points");
  m_table->setHorizontalHeaderLabels({N_("Point"), N_("Nominal"), N_("Reference"), N_("PV"),
                                      N_("Loop mA"), N_("PV error"), N_("mA error"), N_("Result")});
  m_table->verticalHeader()->hide();
  m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
  m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
  runLayout->addWidget(m_table, 1);
  for (int i = 0; i < 2; ++i) {
    m_summary[i] = new QLabel(box);
    m_summary[i]->setObjectName(i == 0 ? "summaryAsFound" : "summaryAsLeft");
    m_summary[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    runLayout->addWidget(m_summary[i]);
  }
  auto* links = new QHBoxLayout;
  links->addWidget(new QLabel("Adjust between the runs:", box));
  const std::pair<const char*, int> pages[] = {{N_("Two Point Trim"), kTwoPointTrimPage},
                                               {N_("Loop && PGA Settings"), kLoopPage},
                                               {N_("Rerange Without Pressure"), kRerangePage}};
  const char* const linkNames[] = {"linkTwoPointTrim", "linkLoopSettings", "linkRerange"};
  for (int i = 0; i < 3; ++i) {
    const auto [title, index] = pages[i];
    QPushButton* link = NamedButton(
        title, linkNames[i], QString("Shows the page ") + QString(title).replace("&&", "&"), box);
    links->addWidget(link);
    connect(link, &QPushButton::clicked, this, [this, index] { m_window->ShowPage(index); });
  }
  links->addStretch(1);
  runLayout->addLayout(links);
  // The run takes the height the form leaves.
  QVBoxLayout* page = form.Layout();
  page->setStretch(page->count() - 1, 0);
  page->insertWidget(page->count() - 1, box, 1);

  // The set-up as kept, and kept again as the user changes it.
  const CheckSetupTexts& kept = TheAppSettings().calibrationCheck;
  const std::pair<QLineEdit*, const std::string*> texts[] = {
      {m_editPoints, &kept.points},
      {m_editPvTolerance, &kept.pvTolerance},
      {m_editCurrentTolerance, &kept.currentTolerance},
      {m_editAmbient, &kept.ambient},
      {m_editHumidity, &kept.humidity},
      {m_editReferenceName, &kept.referenceName},
      {m_editReferenceSerial, &kept.referenceSerial},
      {m_editUncertainty, &kept.referenceUncertainty},
      {m_editDueDate, &kept.referenceDueDate},
      {m_editTechnician, &kept.technician}};
  for (const auto& [edit, text] : texts) {
    edit->setText(Q(*text));
    connect(edit, &QLineEdit::textEdited, this, &CCalibrationCheckDlg::KeepSetup);
  }
  m_comboRule->setCurrentIndex(kept.rule == kRuleKeys[1] ? 1 : 0);
  if (kept.referenceUncertaintyUnit == kPercentOfSpan) {
    m_comboUncertaintyUnit->setCurrentIndex(0);
  } else {
    m_comboUncertaintyUnit->setItemText(1, Q(kept.referenceUncertaintyUnit));
    m_comboUncertaintyUnit->setCurrentIndex(1);
  }
  for (QComboBox* combo : {m_comboRule, m_comboUncertaintyUnit})
    connect(combo, &QComboBox::activated, this, &CCalibrationCheckDlg::KeepSetup);

  connect(m_buttonStartAsFound, &QPushButton::clicked, this,
          &CCalibrationCheckDlg::OnBnClickedStartAsFound);
  connect(m_buttonStartAsLeft, &QPushButton::clicked, this,
          &CCalibrationCheckDlg::OnBnClickedStartAsLeft);
  connect(m_buttonRead, &QPushButton::clicked, this, &CCalibrationCheckDlg::OnBnClickedRead);
  connect(m_buttonStop, &QPushButton::clicked, this, &CCalibrationCheckDlg::OnBnClickedStop);
  connect(m_buttonSaveCertificate, &QPushButton::clicked, this,
          &CCalibrationCheckDlg::OnBnClickedSaveCertificate);
  connect(m_table, &QTableWidget::itemChanged, this, &CCalibrationCheckDlg::OnCellChanged);
  ShowSummary();
  UpdateButtons();
}

void CCalibrationCheckDlg::KeepSetup() {
  CheckSetupTexts& kept = TheAppSettings().calibrationCheck;
  kept.points = m_editPoints->text().toStdString();
  kept.pvTolerance = m_editPvTolerance->text().toStdString();
  kept.currentTolerance = m_editCurrentTolerance->text().toStdString();
  kept.rule = kRuleKeys[m_comboRule->currentIndex() == 1 ? 1 : 0];
  kept.ambient = m_editAmbient->text().toStdString();
  kept.humidity = m_editHumidity->text().toStdString();
  kept.referenceName = m_editReferenceName->text().toStdString();
  kept.referenceSerial = m_editReferenceSerial->text().toStdString();
  kept.referenceUncertainty = m_editUncertainty->text().toStdString();
  if (m_comboUncertaintyUnit->currentIndex() >= 0)
    kept.referenceUncertaintyUnit = UncertaintyUnit();
  kept.referenceDueDate = m_editDueDate->text().toStdString();
  kept.technician = m_editTechnician->text().toStdString();
}

// ---- The set-up ----

std::optional<check::Setup> CCalibrationCheckDlg::TypedSetup() {
  check::Setup setup;
  std::string error;
  if (!check::ParseTestPoints(m_editPoints->text().toStdString(), setup.points, &error)) {
    Refuse(TrFormat(N_("Test points: %s"), error.c_str()));
    return std::nullopt;
  }
  const std::optional<double> pvTolerance = TypedRealOf(m_editPvTolerance);
  if (!pvTolerance) return std::nullopt;
  const std::optional<double> currentTolerance = TypedRealOf(m_editCurrentTolerance);
  if (!currentTolerance) return std::nullopt;
  setup.pvTolerance = *pvTolerance;
  setup.currentTolerance = *currentTolerance;
  setup.rule = m_comboRule->currentIndex() == 1 ? check::Rule::Guarded : check::Rule::Simple;
  const std::optional<double> ambient = TypedRealOf(m_editAmbient);
  if (!ambient) return std::nullopt;
  const std::optional<double> humidity = TypedRealOf(m_editHumidity);
  if (!humidity) return std::nullopt;
  if (*humidity < 0 || *humidity > 100) {
    Refuse("Humidity: a relative humidity lies between 0 and 100 %RH.");
    return std::nullopt;
  }
  setup.ambientCelsius = *ambient;
  setup.humidityPercent = *humidity;
  // The reference standard: who it is, how good, and that it may still be used.
  setup.referenceName = m_editReferenceName->text().trimmed().toStdString();
  setup.referenceSerial = m_editReferenceSerial->text().trimmed().toStdString();
  if (setup.referenceName.empty() || setup.referenceSerial.empty()) {
    Refuse("Reference: please enter the reference standard's name and serial number.");
    return std::nullopt;
  }
  const std::optional<double> uncertainty = TypedRealOf(m_editUncertainty);
  if (!uncertainty) return std::nullopt;
  if (*uncertainty < 0) {
    Refuse("Uncertainty (k = 2): an uncertainty is not negative.");
    return std::nullopt;
  }
  setup.referenceUncertainty = *uncertainty;
  if (m_comboUncertaintyUnit->currentIndex() < 0) {
    Refuse(Q(Texts::PleaseSelect(Tr("Uncertainty unit").toStdString())));
    return std::nullopt;
  }
  setup.referenceUncertaintyUnit = UncertaintyUnit();
  const QDate due = QDate::fromString(m_editDueDate->text().trimmed(), "yyyy-MM-dd");
  if (!due.isValid()) {
    Refuse("Calibration due: please enter the reference's calibration due date as yyyy-MM-dd.");
    return std::nullopt;
  }
  if (due < QDate::currentDate()) {
    Refuse(TrFormat(N_("Calibration due: the reference standard was due for calibration on %s "
                       "and may not be used for a check."),
                    qUtf8Printable(due.toString("yyyy-MM-dd"))));
    return std::nullopt;
  }
  setup.referenceDueDate = due.toString("yyyy-MM-dd").toStdString();
  setup.technician = m_editTechnician->text().trimmed().toStdString();
  if (setup.technician.empty()) {
    Refuse("Technician: please enter the name of who makes the check.");
    return std::nullopt;
  }
  return setup;
}

// ---- Starting a run ----

void CCalibrationCheckDlg::OnBnClickedStartAsFound() {
  Start(Stage::AsFound);
}

void CCalibrationCheckDlg::OnBnClickedStartAsLeft() {
  Start(Stage::AsLeft);
}

void CCalibrationCheckDlg::Start(Stage stage) {
  const std::optional<check::Setup> setup = TypedSetup();
  if (!setup) return;
  KeepSetup();
  auto replies = std::make_shared<check_page::DeviceReplies>();
  auto range = std::make_shared<std::optional<check::DeviceRange>>();
  const auto station = static_cast<uint8_t>(m_window->PollAddress());
  DeviceOperation op;
  op.busyCheck = true;
  op.addressing = DeviceOperation::Addressing::Identify;
  op.recordName = RecordName(stage == Stage::AsFound ? "Start As Found" : "Start As Left");
  auto exchange = [replies](uint8_t command, HartResponse check_page::DeviceReplies::*reply,
                            int bytes) -> DeviceExchange {
    return [replies, command, reply, bytes](DeviceState& ds) {
      return HartExchange(ds, command, nullptr, 0, bytes, (*replies).*reply);
    };
  };
  // The frame's identification keeps only the address; the certificate names the revisions.
  op.Step([replies, station](DeviceState& ds) { return HartCmd0(ds, station, replies->identity); });
  op.Step(exchange(13, &check_page::DeviceReplies::tagDescriptor, 21)).reads = [replies] {
    const check::CertificateDevice device = check_page::DeviceOf(*replies);
    return std::vector<RecordedValue>{Recorded(value_name::kTag, device.tag),
                                      Recorded(value_name::kDescriptor, device.descriptor)};
  };
  op.Step(exchange(14, &check_page::DeviceReplies::sensor, 16));
  op.Step([replies](DeviceState& ds) { return HartCmd15(ds, replies->output); }).reads = [replies] {
    const HartOutputInfo& o = replies->output;
    return std::vector<RecordedValue>{
        Recorded(value_name::kDamping, Fixed4Text(o.damping, "s")),
        Recorded(value_name::kPvRange,
                 RangeText(o.lowerRange, o.upperRange, UnitName(o.rangeUnits)))};
  };
  op.Step(exchange(212, &check_page::DeviceReplies::lotId, 8));
  op.Step(exchange(162, &check_page::DeviceReplies::versions, 7));
  // The points must lie inside the sensor limits of the range just read.
  op.Check([replies, range, setup] {
    std::string refusal;
    *range = check_page::RangeOf(*replies, &refusal);
    if (refusal.empty()) refusal = check::SetupRefusal(*setup, **range);
    // The records keep the refusal as the user read it, like every failure they keep.
    return refusal.empty() ? std::string()
                           : TrFormat("The check cannot start: %s", refusal.c_str()).toStdString();
  });
  RunOperation(std::move(op), [this, stage, replies, range, setup](OperationResult result) {
    if (*range) ShowDeviceUnit((*range)->unit);
    if (result != OperationResult::Done) return;
    BeginRun(stage, check_page::NewRun(*setup, **range, check_page::DeviceOf(*replies),
                                       replies->identity));
  });
}

void CCalibrationCheckDlg::ShowDeviceUnit(const std::string& unit) {
  if (m_comboUncertaintyUnit->itemText(1) == Q(unit)) return;
  m_comboUncertaintyUnit->setItemText(1, Q(unit));
  // An uncertainty typed in the unit the device had before must be chosen again.
  if (m_comboUncertaintyUnit->currentIndex() == 1) m_comboUncertaintyUnit->setCurrentIndex(-1);
}

void CCalibrationCheckDlg::BeginRun(Stage stage, CheckRun run) {
  Interrupt(N_("a new run was started"));
  // A new as-found run begins a new check: the as-left run of the last one is done with.
  if (stage == Stage::AsFound) RunOf(Stage::AsLeft) = CheckRun();
  RunOf(stage) = std::move(run);
  m_stage = stage;
  ++m_serial;
  m_table->setRowCount(0);  // nothing typed for the last run stays
  ShowRun();
  m_table->selectRow(0);
  ShowSummary();
  UpdateButtons();
}

// ---- Reading a point ----

void CCalibrationCheckDlg::OnBnClickedRead() {
  CheckRun& run = RunOf(m_stage);
  if (!run.InProgress() || m_reading) {
    Refuse("Start As Found or Start As Left first.");
    return;
  }
  int row = m_table->currentRow();
  if (row < 0 || row >= static_cast<int>(run.readings.size())) {
    row = 0;
    while (run.readings[static_cast<size_t>(row)].read)
      ++row;
  }
  check::PointReading& point = run.readings[static_cast<size_t>(row)];
  // The reference as typed; empty: the nominal pressure was applied exactly.
  const QString typed = Cell(row, kReference)->text().trimmed();
  double reference = point.nominal;
  if (!typed.isEmpty()) {
    const std::optional<double> value = TypedReal(typed);
    if (!value) {
      RefuseReference(row, typed);
      return;
    }
    reference = *value;
  }
  if (!JobIdle()) {
    Refuse(Texts::kBusy);
    return;
  }
  const double pvBand = check::PvStableBand(run.setup, run.range);
  const double currentBand = check::CurrentStableBand(run.setup);
  const HartIdentity device = run.identity;
  const int serial = m_serial;
  m_reading = true;
  m_readingRow = row;
  ShowRun();
  UpdateButtons();
  CMorvaneDlg* window = m_window;
  StartJob([this, window, serial, row, reference, pvBand, currentBand, device](JobContext& c) {
    PointOutcome outcome;
    outcome.end = ReadEnd::Failed;
    std::string failure = Texts::kPortError;
    if (OpenPortOrReport(c.ds, c.host)) {
      check_page::AddressDevice(c.ds, device);
      // Each pair as it comes, so the user sees the readings settle.
      auto show = [this, window, serial, row](float pv, float currentMa) {
        window->RunOnUi([this, serial, row, pv, currentMa] {
          if (serial != m_serial || !m_reading || row != m_readingRow) return;
          m_filling = true;
          Cell(row, kPv)->setText(Fixed4(pv));
          Cell(row, kCurrent)->setText(QString::number(currentMa, 'f', 3));
          m_filling = false;
        });
      };
      outcome = check_page::ReadUntilStable(
          [&c](float& pv) {
            HartPvReading reading;
            const HartResult result = HartCmd1(c.ds, reading);
            pv = reading.pv;
            return result;
          },
          [&c](float& currentMa) {
            HartLoopReading reading;
            const HartResult result = HartCmd2(c.ds, reading);
            currentMa = reading.current;
            return result;
          },
          pvBand, currentBand, c.ds.Time(), check_page::kPointTimeLimitMs,
          [&c] { return c.job.Running(); }, show);
      if (outcome.end == ReadEnd::Failed) {
        failure = Texts::CommunicationFailure(outcome.failure);
        c.host.ShowMessage(failure);
      }
    }
    window->RunOnUi([this, serial, row, reference, outcome, failure] {
      PointRead(serial, row, reference, outcome, failure);
    });
  });
}

void CCalibrationCheckDlg::PointRead(int serial, int row, double reference,
                                     const PointOutcome& outcome, const std::string& failure) {
  m_reading = false;
  m_readingRow = -1;
  CheckRun& run = RunOf(m_stage);
  if (serial == m_serial && run.InProgress()) {
    check::PointReading& point = run.readings[static_cast<size_t>(row)];
    switch (outcome.end) {
      case ReadEnd::Stable:
        point.reference = reference;
        point.pv = outcome.pv;
        point.currentMa = outcome.currentMa;
        point.read = true;
        break;
      case ReadEnd::TimedOut: {
        const CheckRun& r = run;
        Refuse(TrFormat(N_("The readings at %s did not settle within %d s: four in a row must "
                           "agree within %.4f %s and %.4f mA. The point is not read; hold the "
                           "pressure steady and read it again."),
                        qUtf8Printable(Cell(row, kPoint)->text()),
                        static_cast<int>(check_page::kPointTimeLimitMs / 1000),
                        check::PvStableBand(r.setup, r.range), r.range.unit.c_str(),
                        check::CurrentStableBand(r.setup)));
        break;
      }
      case ReadEnd::Stopped:
        Interrupt(N_("Stopped"));
        break;
      case ReadEnd::Failed:
        Interrupt(failure);
        break;
    }
    if (run.Complete()) {
      run.finished = QDateTime::currentDateTime();
      Record(m_stage);
    } else if (outcome.end == ReadEnd::Stable) {
      // On to the next point not read yet, after this one or else from the top.
      const int rows = static_cast<int>(run.readings.size());
      for (int i = 1; i < rows; ++i) {
        const int next = (row + i) % rows;
        if (run.readings[static_cast<size_t>(next)].read) continue;
        m_table->selectRow(next);
        break;
      }
    }
  }
  ShowRun();
  ShowSummary();
  UpdateButtons();
}

void CCalibrationCheckDlg::OnBnClickedStop() {
  StopJob();
  Interrupt(N_("Stopped"));
}

void CCalibrationCheckDlg::BeforeLeaving(std::function<void()> goOn) {
  StopJob();
  Interrupt(N_("the page was left"));
  goOn();
}

void CCalibrationCheckDlg::Interrupt(const std::string& why) {
  for (Stage stage : {Stage::AsFound, Stage::AsLeft}) {
    CheckRun& run = RunOf(stage);
    if (!run.InProgress()) continue;
    run.interruption = why;
    run.finished = QDateTime::currentDateTime();
    Record(stage);
  }
  ShowRun();
  ShowSummary();
  UpdateButtons();
}

void CCalibrationCheckDlg::Record(Stage stage) {
  CheckRun& run = RunOf(stage);
  if (run.recorded) return;
  run.recorded = true;
  OperationRecorder* recorder = m_window->Recorder();
  if (!recorder) return;
  WorkRecord record;
  record.device = run.device.longAddress;
  record.name = RecordName(check_page::StageName(stage));
  record.kind = record_kind::kCalibration;
  record.detail = check_page::RunDetailText(run);
  record.result = check_page::RunResultText(run);
  recorder->WorkEnded(record);
}

// ---- The certificate ----

void CCalibrationCheckDlg::OnBnClickedSaveCertificate() {
  const CheckRun& asFound = RunOf(Stage::AsFound);
  const CheckRun& asLeft = RunOf(Stage::AsLeft);
  const std::string refusal = check_page::CertificateSaveRefusal(asFound, asLeft);
  if (!refusal.empty()) {
    Refuse(Q(refusal));
    return;
  }
  const CheckRun& latest = asLeft.started ? asLeft : asFound;
  const QDateTime now = QDateTime::currentDateTime();
  const QString number =
      check::NewCertificateNumber(now, latest.identity.manufacturerId & 0x3F,
                                  latest.identity.deviceType, latest.identity.deviceId);
  QString path = AskSaveFile(kPdfFilter, number + ".pdf");
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().compare("pdf", Qt::CaseInsensitive) != 0) path += ".pdf";
  const QFileInfo pdf(path);
  const QString csvPath = pdf.dir().filePath(pdf.completeBaseName() + ".csv");
  const check::CertificateData data = check_page::CertificateOf(
      asFound, asLeft, number, QSysInfo::machineHostName().toStdString(), now);
  const QByteArray pdfBytes = check::RenderCertificatePdf(data);
  if (pdfBytes.isEmpty()) {
    Refuse("The certificate could not be drawn.");
    return;
  }
  QString error;
  if (!WriteWholeFile(path, pdfBytes, &error)) {
    ::ShowMessage(SaveFailureMessage(path, error));
    return;
  }
  const bool csvSaved = WriteWholeFile(csvPath, check::CertificateCsv(data), &error);
  if (!csvSaved) ::ShowMessage(SaveFailureMessage(csvPath, error));
  m_savedCertificate = pdf.fileName();
  ShowSavedCertificate();
  m_labelRun->setToolTip(number);
  if (OperationRecorder* recorder = m_window->Recorder()) {
    const QString sha = QCryptographicHash::hash(pdfBytes, QCryptographicHash::Sha256).toHex();
    WorkRecord record;
    record.device = latest.device.longAddress;
    record.name = RecordName("Save Certificate");
    record.kind = record_kind::kCalibration;
    record.detail =
        ("Certificate " + number + " (" + check::VerdictText(check::CertificateVerdict(data)) +
         "): " + pdf.fileName() + " SHA-256 " + sha +
         (csvSaved ? "; " + QFileInfo(csvPath).fileName() : QString()))
            .toStdString();
    record.result = csvSaved ? kRecordOk : SaveFailureMessage(csvPath, error).toStdString();
    recorder->WorkEnded(record);
  }
}

// ---- The display ----

QTableWidgetItem* CCalibrationCheckDlg::Cell(int row, int column) {
  QTableWidgetItem* item = m_table->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_table->setItem(row, column, item);
  }
  return item;
}

std::string CCalibrationCheckDlg::UncertaintyUnit() const {
  if (m_comboUncertaintyUnit->currentIndex() == 0) return kPercentOfSpan;
  return m_comboUncertaintyUnit->currentText().toStdString();
}

void CCalibrationCheckDlg::RefuseReference(int row, const QString& typed) {
  Refuse(TrFormat(N_("The reference reading at %s is not a number: %s"),
                  qUtf8Printable(Cell(row, kPoint)->text()), qUtf8Printable(typed)));
}

void CCalibrationCheckDlg::ShowSavedCertificate() {
  m_labelRun->setText(TrFormat(N_("Certificate saved: %s"), qUtf8Printable(m_savedCertificate)));
}

void CCalibrationCheckDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    if (m_savedCertificate.isEmpty())
      ShowRun();
    else
      ShowSavedCertificate();
    ShowSummary();
  }
  PageDialog::changeEvent(event);
}

void CCalibrationCheckDlg::ShowRun() {
  const CheckRun& run = RunOf(m_stage);
  const check::RunResult result = run.Result();
  m_filling = true;
  const int rows = static_cast<int>(run.readings.size());
  if (m_table->rowCount() != rows) m_table->setRowCount(rows);
  for (int row = 0; row < rows; ++row) {
    const check::PointReading& r = run.readings[static_cast<size_t>(row)];
    const check::PointResult& p = result.points[static_cast<size_t>(row)];
    Cell(row, kPoint)->setText(Q(check_page::PointName(r.percent, p.falling)));
    Cell(row, kNominal)->setText(Fixed4(r.nominal));
    // The reference is typed into its cell while the run goes on.
    QTableWidgetItem* reference = Cell(row, kReference);
    const Qt::ItemFlags fixed = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    reference->setFlags(run.InProgress() ? fixed | Qt::ItemIsEditable : fixed);
    if (r.read) reference->setText(r.reference == r.nominal ? QString() : Fixed4(r.reference));
    // A row being read shows its readings as they come.
    if (row == m_readingRow) continue;
    Cell(row, kPv)->setText(r.read ? Fixed4(r.pv) : QString());
    Cell(row, kCurrent)->setText(r.read ? QString::number(r.currentMa, 'f', 3) : QString());
    Cell(row, kPvError)->setText(r.read ? SignedText(p.pvError) : QString());
    Cell(row, kCurrentError)->setText(r.read ? SignedText(p.currentError) : QString());
    QTableWidgetItem* verdict = Cell(row, kResult);
    verdict->setText(r.read ? Tr(p.pass ? N_("PASS") : N_("FAIL")) : QString());
    verdict->setForeground(p.pass ? QColor(0, 110, 0) : QColor(190, 0, 0));
  }
  m_filling = false;
  QString status;
  if (run.started) {
    // "As found of PT-101 in kPa: 3 of 9 points read"
    status = TrFormat(
        "%s of %s in %s: %d of %d points read", qUtf8Printable(Tr(check_page::StageName(m_stage))),
        (run.device.tag.empty() ? run.device.longAddress : run.device.tag).c_str(),
        run.range.unit.c_str(), run.PointsRead(), static_cast<int>(run.readings.size()));
    if (m_reading) status += Tr(", reading...");
    m_savedCertificate.clear();
    m_labelRun->setText(status);
    m_labelRun->setToolTip({});
  }
}

void CCalibrationCheckDlg::ShowSummary() {
  for (Stage stage : {Stage::AsFound, Stage::AsLeft}) {
    const CheckRun& run = RunOf(stage);
    QString text = Tr(check_page::StageName(stage)) + Tr(": ");
    if (!run.started) {
      text += Tr("not run");
    } else if (run.InProgress()) {
      text +=
          TrFormat("%d of %d points read", run.PointsRead(), static_cast<int>(run.readings.size()));
    } else {
      // The records keep the result in the program's own words; the page shows it translated.
      text += run.Interrupted()
                  ? TrFormat("INCOMPLETE: %s", qUtf8Printable(Tr(Q(run.interruption))))
                  : Tr(check::VerdictText(run.Verdict()));
      const check::RunResult result = run.Result();
      if (run.PointsRead() > 0) {
        text += TrFormat(" - largest errors PV %s %%, loop current %s %% of span",
                         qUtf8Printable(SignedText(result.largestPvError)),
                         qUtf8Printable(SignedText(result.largestCurrentError)));
        if (result.pvHysteresis && result.currentHysteresis)
          text += TrFormat("; hysteresis PV %.3f %%, loop current %.3f %%", *result.pvHysteresis,
                           *result.currentHysteresis);
      }
    }
    m_summary[static_cast<int>(stage)]->setText(text);
  }
}

void CCalibrationCheckDlg::UpdateButtons() {
  const bool going = RunOf(m_stage).InProgress();
  m_buttonStartAsFound->setEnabled(!m_reading);
  m_buttonStartAsLeft->setEnabled(!m_reading);
  m_buttonRead->setEnabled(going && !m_reading);
  m_buttonStop->setEnabled(going || m_reading);
  m_buttonSaveCertificate->setEnabled(!m_reading);
}

void CCalibrationCheckDlg::OnCellChanged(QTableWidgetItem* item) {
  if (m_filling || item->column() != kReference) return;
  CheckRun& run = RunOf(m_stage);
  const int row = item->row();
  if (!run.InProgress() || row >= static_cast<int>(run.readings.size())) return;
  check::PointReading& point = run.readings[static_cast<size_t>(row)];
  if (!point.read) return;  // taken when the point is read
  // A reference corrected after the reading: the point's errors follow it.
  const QString typed = item->text().trimmed();
  const std::optional<double> value = typed.isEmpty() ? point.nominal : TypedReal(typed);
  if (!value) {
    RefuseReference(row, typed);
  } else {
    point.reference = *value;
  }
  ShowRun();
}
