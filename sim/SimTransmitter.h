// One simulated smart pressure transmitter on a HART loop: its identity, its configuration
// memory (SimImage), the live process (applied pressure, die temperature, AD counts, PV,
// loop current) and the faults it can be told to commit. Thread-safe: every public method
// takes the device's own lock, so a test thread may change the pressure or the faults while
// a worker talks to the device.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "SimFrame.h"
#include "SimImage.h"
#include "SimReply.h"

// What command 0, 162 and 212 report and what long frames are matched against.
struct SimIdentity {
  uint8_t manufacturerId = 0x26;  // only the low 6 bits travel in a long address
  uint8_t deviceType = 0x05;
  uint32_t deviceId = 0;  // 24 bits
  uint8_t minPreambles = 5;
  uint8_t universalRevision = 5;
  uint8_t deviceRevision = 1;
  uint8_t softwareRevision = 3;
  uint8_t hardwareRevision = 2;   // 5 bits
  uint8_t physicalSignaling = 0;  // 3 bits: 0 = Bell 202 current
  uint8_t flags = 0;
  uint8_t distributor = 0x26;  // private-label distributor code of command 15
  uint8_t softwareVersion[3] = {2, 0, 5};
  uint8_t hardwareVersion[3] = {1, 2, 3};
  std::string lotId = "24B00123";  // 8 plain ASCII characters (year 2, month 1, lot 5)
};

// Misbehaviour on demand. Counters ("next K") count down with each reply actually sent
// (silence counts requests heard); the other fields hold until changed.
struct SimFaults {
  bool silent = false;      // hears nothing at all
  int silentRequests = 0;   // ignores the next K requests addressed to it (and does not act)
  int badCheckReplies = 0;  // the next K replies carry a wrong check byte
  // The reply (leading bytes included) cut into pieces of these sizes, the rest in a last
  // piece; each piece arrives pieceGapMs after the previous one.
  std::vector<size_t> pieceSizes;
  int pieceGapMs = 10;
  std::vector<uint8_t> leadingBytes;  // noise, or a whole other frame, ahead of every reply
  int preambles = 5;
  int replyDataBytes = -1;  // >= 0: every reply carries exactly this many data bytes
                            // (zero-padded or cut), e.g. 40 for a byte count above 34
  // The next K replies carry this response code. An error code means the device did not act
  // on the request and sends no data; a warning (8, 14, 24-27, 30, 31, 96-111) is sent with
  // the command done and its data.
  int forcedResponseCode = -1;
  int forcedResponseReplies = 0;
  // The next K replies report a communication error: this first status byte (bit 7 is set
  // regardless), no data, the request not acted on.
  uint8_t commErrorStatus = 0x88;
  int commErrorReplies = 0;
  uint8_t statusBits = 0;  // or-ed into the device status of every reply
  int replyDelayMs = 20;   // turnaround: end of request to first reply byte
};

// The sensor out of calibration. Every value is in % of the PV range span (URV - LRV), so a
// check at points across the range sees each as it was set, in any unit and after a rerange:
// - offset: every reading high by this much;
// - spanError: an error growing linearly with the applied pressure, 0 at the LRV and this
//   much at the URV (on top of the offset);
// - hysteresis: play between the applied pressure and what the sensor feels. Once the
//   pressure has moved on, a rising reading is half of it below the true value and a falling
//   one half of it above; after a reversal the reading holds until the pressure has crossed
//   the whole play. Without hysteresis the sensor is always settled at the applied
//   pressure, so hysteresis set later starts from there, reading true.
// - noise: each request the device acts on takes a fresh reading, off by a pseudo-random
//   amount spread evenly within +-noise. The sequence starts again from the device id each
//   time the noise is changed, so the same requests read the same values.
// They live in the sensor, below the sensor trims (the pressure AD count carries them): a
// two-point trim takes the offset and the span error out, a zero trim the error at zero;
// hysteresis and noise stay. The loop output follows the PV; the DAC's own error
// (SetDacError) is separate and the loop trims take it out.
struct SimCalibrationErrors {
  double offset = 0;
  double spanError = 0;
  double hysteresis = 0;
  double noise = 0;
  bool operator==(const SimCalibrationErrors&) const = default;
};

// Device status bits (second status byte).
enum SimStatus : uint8_t {
  kStatusMalfunction = 0x80,
  kStatusConfigChanged = 0x40,
  kStatusColdStart = 0x20,
  kStatusMoreStatus = 0x10,
  kStatusCurrentFixed = 0x08,
  kStatusCurrentSaturated = 0x04,
  kStatusNonPvOutOfLimits = 0x02,
  kStatusPvOutOfLimits = 0x01,
};

class SimTransmitter {
 public:
  SimTransmitter(uint8_t pollingAddress, uint32_t deviceId);

  // ---- Identity and addressing ----
  SimIdentity Identity() const;
  void SetIdentity(const SimIdentity& identity);
  uint8_t PollingAddress() const;
  void SetPollingAddress(uint8_t address);  // 0..15; non-zero fixes the loop at 4 mA
  // The 5-byte long address as a master sends it, master and burst bits clear.
  std::vector<uint8_t> LongAddress() const;
  bool MatchesLongAddress(const uint8_t* address) const;  // master/burst bits ignored
  // Whether `packed` (6 bytes of packed ASCII) is this device's tag.
  bool MatchesTag(const uint8_t* packed) const;
  void SetWriteProtected(bool on);
  bool WriteProtected() const;

  // ---- Process ----
  void SetPressure(double kPa);  // applied pressure, always in kPa
  double Pressure() const;
  void SetDieTemperature(double celsius);  // sensor die temperature, 25 at start
  double DieTemperature() const;
  // Replaces the live temperature AD count (e.g. 0 or 0xFFFF for a broken diode).
  void SetTemperatureAdOverride(std::optional<uint16_t> ad);
  // A meter in the loop reads dacGain * (setting) + dacOffset mA: an untrimmed output.
  void SetDacError(double offsetMa, double gain);
  SimCalibrationErrors CalibrationErrors() const;
  void SetCalibrationErrors(const SimCalibrationErrors& errors);

  uint32_t PressureAd() const;
  uint16_t TemperatureAd() const;
  float PrimaryVariable() const;  // PV in its unit, trims applied, no damping
  uint8_t PvUnitCode() const;     // HART unit code
  float LoopCurrent() const;      // the output setting command 2 reports, mA
  float PercentOfRange() const;
  float MeasuredLoopCurrent() const;  // what a meter in the loop reads
  bool FixedCurrentMode() const;
  uint8_t DeviceStatus() const;  // as the next reply would carry it

  // ---- Memory ----
  SimImage Image() const;
  void SetImage(const SimImage& image);
  void RestoreFactoryDefaults();  // what command 164 does
  void PowerCycle();              // leaves fixed current mode; cold start set

  // ---- Faults ----
  SimFaults Faults() const;
  void SetFaults(const SimFaults& faults);
  void SetSilent(bool on);
  void SilenceNext(int requests);

  // ---- Loop side ----
  // A request that reached this device. It acts on it; when `answer` it returns the reply
  // pieces (none when silent). A broadcast reaches every device but only one answers.
  std::vector<SimReplyPiece> Serve(const SimRequest& request, bool answer);
  int RequestsHeard() const;

  struct Result {
    uint8_t code = 0;
    std::vector<uint8_t> data;
  };

 private:
  // The command table (SimCommands.cpp): one handler per command, all alike.
  using Bytes = std::vector<uint8_t>;
  Result Execute(uint8_t command, const Bytes& data);
  Result Cmd0(const Bytes& d);
  Result Cmd1(const Bytes& d);
  Result Cmd2(const Bytes& d);
  Result Cmd3(const Bytes& d);
  Result Cmd6(const Bytes& d);
  Result Cmd7(const Bytes& d);
  Result Cmd8(const Bytes& d);
  Result Cmd11(const Bytes& d);
  Result Cmd12(const Bytes& d);
  Result Cmd13(const Bytes& d);
  Result Cmd14(const Bytes& d);
  Result Cmd15(const Bytes& d);
  Result Cmd16(const Bytes& d);
  Result Cmd17(const Bytes& d);
  Result Cmd18(const Bytes& d);
  Result Cmd19(const Bytes& d);
  Result Cmd34(const Bytes& d);
  Result Cmd35(const Bytes& d);
  Result Cmd38(const Bytes& d);
  Result Cmd40(const Bytes& d);
  Result Cmd42(const Bytes& d);
  Result Cmd43(const Bytes& d);
  Result Cmd45(const Bytes& d);
  Result Cmd46(const Bytes& d);
  Result Cmd47(const Bytes& d);
  Result Cmd48(const Bytes& d);
  Result Cmd130(const Bytes& d);
  Result Cmd131(const Bytes& d);
  Result Cmd145(const Bytes& d);
  Result Cmd146(const Bytes& d);
  Result Cmd147(const Bytes& d);
  Result Cmd148(const Bytes& d);
  Result Cmd149(const Bytes& d);
  Result Cmd150(const Bytes& d);
  Result Cmd162(const Bytes& d);
  Result Cmd164(const Bytes& d);
  Result Cmd166(const Bytes& d);
  Result Cmd167(const Bytes& d);
  Result Cmd187(const Bytes& d);
  Result Cmd190(const Bytes& d);
  Result Cmd201(const Bytes& d);
  Result Cmd212(const Bytes& d);
  Result Cmd215(const Bytes& d);
  Result Cmd216(const Bytes& d);
  Result Cmd221(const Bytes& d);
  Result Cmd223(const Bytes& d);
  Result Cmd225(const Bytes& d);
  Result Cmd226(const Bytes& d);
  Result Cmd227(const Bytes& d);
  Result Cmd228(const Bytes& d);
  Result Cmd230(const Bytes& d);
  Result Cmd231(const Bytes& d);
  Result Cmd245(const Bytes& d);
  Result Cmd246(const Bytes& d);
  Result SensorTrim(const Bytes& d, bool high);
  Result WriteTable(size_t index, uint32_t ad);

  // The physics (SimTransmitter.cpp); callers hold mu_.
  struct Output {
    float pv;
    float percent;
    float current;
    bool saturated;
    bool fixed;
  };
  Output ComputeOutput() const;
  float ComputePv() const;
  float CalibratedPressure() const;  // PV unit, before sensor and zero trim
  float SensorTrimmed(float calibrated) const;
  double KPaPerPvUnit() const;
  uint8_t PvHartUnitLocked() const;  // kHartUnitUnknown for a device unit code not in the list
  double SensedKPa() const;          // the applied pressure as the sensor feels it, errors and all
  double SpanKPa() const;            // the PV range span
  double HeldKPa() const;            // the applied pressure as far as the hysteresis play lets it
  uint32_t PressureAdLocked() const;
  void NextNoiseSample();
  uint16_t TemperatureAdLocked() const;
  uint8_t StatusLocked() const;
  void LoadFactoryConfiguration(bool calibrationToo);
  void ConvertUnitFields(double factor);
  uint8_t PressurePoints() const;
  uint8_t TemperaturePoints() const;
  void MarkConfigChanged() { configChanged_ = true; }
  void ApplyPendingReset();

  mutable std::mutex mu_;
  SimIdentity identity_;
  uint8_t pollingAddress_;
  bool writeProtected_ = false;
  SimImage image_;
  double pressureKPa_ = 0.0;
  double dieTempC_ = 25.0;
  std::optional<uint16_t> tadOverride_;
  SimCalibrationErrors errors_;
  double heldKPa_ = 0.0;      // where the hysteresis play holds the sensor
  uint64_t noiseState_ = 0;   // the noise sequence's generator
  double noiseSample_ = 0.0;  // the present reading's noise, -1..1
  double dacOffset_ = 0.0;
  double dacGain_ = 1.0;
  std::optional<float> fixedCurrent_;
  // The trimmed DAC value the output was driven with when it was last fixed at 4 mA and at
  // 20 mA: a meter reading sent as a trim belongs to it. And the reading of the last zero
  // trim, with its DAC value, for the gain trim that follows.
  std::optional<double> dacAt4_, dacAt20_;
  std::optional<std::pair<double, double>> zeroReading_;
  bool coldStart_ = true;
  bool configChanged_ = false;
  bool resetPending_ = false;
  SimFaults faults_;
  int requestsHeard_ = 0;
};
