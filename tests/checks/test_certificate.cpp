// The certificate: what it refuses, its number, its CSV, and its PDF read back with pdftotext.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cstdio>

#include "Certificate.h"

using namespace check;

namespace {

// The PDF writer needs a QGuiApplication (fonts); offscreen unless the caller chose.
void NeedGuiApp() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "checks_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

// 0..100 kPa; the as-found PV reads 0.5 kPa high at every point (0.5 % of span, FAIL), the
// loop current 0.08 mA high with it; as left within 0.02 kPa and 0.002 mA (PASS).
std::vector<PointReading> Readings(double pvOffset, double maOffset, double wobble) {
  std::vector<PointReading> readings;
  int i = 0;
  for (double percent : DefaultTestPoints()) {
    PointReading r;
    r.percent = percent;
    r.nominal = percent;
    r.reference = percent + (i == 2 ? 0.01 : 0.0);  // one reference typed
    const double w = (i % 2 ? wobble : -wobble);
    r.pv = r.reference + pvOffset + w;
    r.currentMa = 4 + 0.16 * r.reference + maOffset + w / 10;
    r.read = true;
    readings.push_back(r);
    ++i;
  }
  return readings;
}

CertificateData Sample() {
  CertificateData d;
  const QDateTime issued(QDate(2026, 12, 9), QTime(16, 30, 12), QTimeZone(3600));
  d.number = NewCertificateNumber(issued, 0x26, 0x05, 0x0A0001);
  d.device.tag = "PT-101";
  d.device.descriptor = "FEED PUMP OUT";
  d.device.longAddress = "26 05 0A 00 01";
  d.device.manufacturer = "Tellavo (38)";
  d.device.deviceType = "5";
  d.device.deviceId = "0A0001";
  d.device.lotId = "4711";
  d.device.versions = "universal 5, device 3, software 12, hardware 4";
  d.device.dampingSeconds = 0.4;
  d.setup.referenceName = "Druckwerk DPI 620";
  d.setup.referenceSerial = "RS-0042";
  d.setup.referenceUncertainty = 0.01;
  d.setup.referenceUncertaintyUnit = "kPa";
  d.setup.referenceDueDate = "2027-06-30";
  d.setup.ambientCelsius = 22.5;
  d.setup.humidityPercent = 41;
  d.setup.technician = "J. Okafor";
  DeviceRange range;
  range.lower = 0;
  range.upper = 100;
  range.sensorLower = -100;
  range.sensorUpper = 1000;
  range.unit = "kPa";
  d.asFound.range = d.asLeft.range = range;
  d.asFound.readings = Readings(0.5, 0.08, 0.003);
  d.asLeft.readings = Readings(0.0, 0.0, 0.02);
  d.asFound.finished = issued.addSecs(-1800);
  d.asLeft.finished = issued.addSecs(-60);
  d.station = "LINE3-PC2";
  d.software = "Morvane 3.6";
  d.issued = issued;
  return d;
}

QString PdfToText() {
  return QStandardPaths::findExecutable("pdftotext");
}

// The PDF's text as pdftotext reads it, or why it could not.
bool PdfText(const QByteArray& pdf, QString& text, QString& why) {
  QTemporaryDir dir;
  const QString path = dir.filePath("certificate.pdf");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.flush()) {
    why = "cannot write " + path;
    return false;
  }
  file.close();
  QProcess p;
  p.start(PdfToText(), {path, "-"});  // in drawing order: a label, then its value
  if (!p.waitForFinished(30000) || p.exitCode() != 0) {
    why = "pdftotext failed: " + QString::fromLocal8Bit(p.readAllStandardError());
    return false;
  }
  text = QString::fromUtf8(p.readAllStandardOutput());
  return true;
}

}  // namespace

TEST(Certificate, NumberRefusalsAndVerdict) {
  CertificateData d = Sample();
  // 16:30:12 at UTC+1 is 15:30:12 UTC.
  EXPECT_EQ(d.number, "CC-20261209-153012-26050A0001");
  EXPECT_EQ(CertificateRefusal(d), "");
  EXPECT_EQ(EvaluateRun(d.setup, d.asFound.range, d.asFound.readings).verdict, Verdict::Fail);
  EXPECT_EQ(CertificateVerdict(d), Verdict::Pass);  // as left decides

  d.asLeft.readings[6].read = false;
  d.asLeft.readings[7].read = false;
  EXPECT_EQ(CertificateRefusal(d), "the as-left run is incomplete: 2 of 9 points are not read");
  EXPECT_EQ(CertificateVerdict(d), Verdict::Incomplete);

  d.asLeft.readings.clear();  // not adjusted: the as-found result stands
  EXPECT_EQ(CertificateRefusal(d), "");
  EXPECT_EQ(CertificateVerdict(d), Verdict::Fail);
  d.asFound.readings[0].read = false;
  EXPECT_EQ(CertificateRefusal(d), "the as-found run is incomplete: 1 of 9 points is not read");
  d.asFound.range.upper = 0;
  EXPECT_EQ(CertificateRefusal(d), "as-found: the PV range 0.0000..0.0000 kPa has no span");
  d.asFound.readings.clear();
  EXPECT_EQ(CertificateRefusal(d), "there is no as-found run");
  d.number.clear();
  EXPECT_EQ(CertificateRefusal(d), "the certificate has no number");
}

TEST(Certificate, CsvHoldsBothTables) {
  CertificateData d = Sample();
  d.asFound.range.unit = d.asLeft.range.unit = "inH2O (68 °F)";
  const QByteArray csv = CertificateCsv(d);
  ASSERT_TRUE(csv.endsWith("\r\n"));
  ASSERT_EQ(csv.count('\n'), csv.count("\r\n"));  // every line ends in CR LF
  const QList<QByteArray> lines = csv.chopped(2).split('\n');
  ASSERT_EQ(lines.size(), 1 + 9 + 9);
  EXPECT_EQ(lines[0],
            "certificate,run,point %,direction,nominal,reference,pv,unit,pv error % of span,"
            "expected mA,measured mA,current error % of span,result\r");
  // Point 3 of each run: 50 %, the reference typed as 50.01 kPa.
  EXPECT_EQ(QString::fromUtf8(lines[3]),
            "CC-20261209-153012-26050A0001,as found,50,rising,50.0000,50.0100,50.5070,"
            "inH2O (68 °F),+0.4970,12.0016,12.0813,+0.4981,FAIL\r");
  EXPECT_EQ(QString::fromUtf8(lines[10 + 6]),
            "CC-20261209-153012-26050A0001,as left,50,falling,50.0000,50.0000,49.9800,"
            "inH2O (68 °F),-0.0200,12.0000,11.9980,-0.0125,PASS\r");

  d.asLeft.readings[8].read = false;
  EXPECT_TRUE(CertificateCsv(d).endsWith(
      "as left,0,falling,0.0000,,,inH2O (68 °F),,4.0000,,,NOT READ\r\n"));
}

TEST(Certificate, PdfReadsBackWithTheTagBothTablesAndTheResult) {
  NeedGuiApp();
  CertificateData d = Sample();
  QElapsedTimer timer;
  timer.start();
  const QByteArray pdf = RenderCertificatePdf(d);
  const qint64 ms = timer.elapsed();
  ASSERT_TRUE(pdf.startsWith("%PDF-"));
  std::printf("certificate rendered in %lld ms, %lld bytes\n", static_cast<long long>(ms),
              static_cast<long long>(pdf.size()));

  if (PdfToText().isEmpty()) GTEST_SKIP() << "pdftotext is not installed (Debian: poppler-utils)";
  QString text, why;
  ASSERT_TRUE(PdfText(pdf, text, why)) << why.toStdString();
  for (const char* expected :
       {"PT-101", "CC-20261209-153012-26050A0001", "FEED PUMP OUT", "Druckwerk DPI 620",
        "J. Okafor", "LINE3-PC2", "2026-12-09 16:30:12 UTC+01:00", "page 1 of 2", "page 2 of 2",
        // As found at 50 % rising, then as left at 50 % falling.
        "50.0100", "50.5070", "+0.4970", "12.0813", "+0.4981", "49.9800", "-0.0200", "11.9980",
        "-0.0125", "As found: FAIL", "As left: PASS"})
    EXPECT_TRUE(text.contains(expected)) << expected;
  // The large result follows its label.
  EXPECT_TRUE(text.contains(QRegularExpression("Result\\s+PASS"))) << text.toStdString();

  // Not adjusted after a failed check: the device failed, no point passed, nothing says PASS.
  d.asLeft.readings.clear();
  ASSERT_TRUE(PdfText(RenderCertificatePdf(d), text, why)) << why.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression("Result\\s+FAIL"))) << text.toStdString();
  EXPECT_FALSE(text.contains("PASS")) << text.toStdString();
  EXPECT_TRUE(text.contains("not adjusted"));
}
