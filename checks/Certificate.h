// The calibration certificate: what a check found, as an A4 PDF painted with Qt's own PDF
// writer (no widgets: a QGuiApplication is enough) and as a CSV of the same tables. The
// caller fills the struct, asks CertificateRefusal first and writes the bytes through the
// program's whole-file writer; nothing here touches a file.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "CalibrationCheck.h"

namespace check {

// The device as the pages show it (texts in UTF-8, formatted by the caller). The sensor
// limits, PV range, unit and transfer function are the as-left run's DeviceRange.
struct CertificateDevice {
  std::string tag;
  std::string descriptor;
  std::string longAddress;   // "26 05 0A 00 01"
  std::string manufacturer;  // name and code, as the pages name it
  std::string deviceType;
  std::string deviceId;  // "0A0001"
  std::string lotId;     // final assembly number
  std::string versions;  // "universal 5, device 3, software 12, hardware 4"
  double dampingSeconds = 0;
};

// One run: the range read before it (a rerange between the runs shows), its readings in
// order and when it ended. No readings: the run was not made.
struct CertificateRun {
  DeviceRange range;
  std::vector<PointReading> readings;
  QDateTime finished;  // shown when valid
};

struct CertificateData {
  QString number;  // NewCertificateNumber
  CertificateDevice device;
  Setup setup;  // points, tolerances, rule, reference, ambient, technician
  CertificateRun asFound;
  CertificateRun asLeft;  // empty when the device was not adjusted: as found stands
  std::string station;    // the computer's name
  std::string software;   // "Morvane 3.6"; printed when given
  QDateTime issued;       // printed with its UTC offset
};

// "%.<decimals>f" whatever the locale, never "-0.0000"; SignedText adds the '+' of an error
// that reads high: "+0.2000", "-0.0500", "0.0000". The certificate's and the records' numbers.
QString FixedText(double value, int decimals = 4);
QString SignedText(double value, int decimals = 4);

// Why this certificate cannot be issued, or empty: no certificate number, no as-found run,
// a run whose range RangeRefusal refuses, a run with a point not read ("the as-left run is
// incomplete: 2 of 9 points are not read"). Only shown, never recorded: in the language in
// force.
std::string CertificateRefusal(const CertificateData& data);

// The certificate's result: the as-left run's verdict when there is one, else the as-found
// run's.
Verdict CertificateVerdict(const CertificateData& data);

// "CC-20261209-153012-26050A0001": the time in UTC (one device is not checked twice in a
// second; UTC keeps the hour repeated when summer time ends apart) and the device's unique
// identity: manufacturer, device type and device id in hex.
QString NewCertificateNumber(const QDateTime& when, uint8_t manufacturerId, uint8_t deviceType,
                             uint32_t deviceId);

// The A4 PDF: title and number, device, method, reference and ambient, the result in large
// letters, each run's table with its largest errors and hysteresis, the plot of the PV error
// against the input with the tolerance band, technician, station, date and time and the
// signature lines; "page 1 of 2" at the foot. Empty only when Qt cannot paint the PDF.
QByteArray RenderCertificatePdf(const CertificateData& data);

// The same tables as CSV: a header line, then one line per reading of each run (run, point
// %, rising or falling, nominal, reference, PV, unit, PV error % of span, expected mA,
// measured mA, current error % of span, PASS or FAIL). UTF-8, CR LF, fields quoted when they
// hold a comma, a quote or a line break.
QByteArray CertificateCsv(const CertificateData& data);

}  // namespace check
