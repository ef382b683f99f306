// hartctl: a small command-line HART master on the program's own link layer, for
// scripting and diagnostics.
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Commands.h"
#include "Encoding.h"
#include "PcapTrace.h"
#include "PortFactory.h"

namespace {

const char kUsage[] =
    "usage: hartctl [--port NAME] [--address N] [--broadcast] [--trace FILE] COMMAND [ARGS]\n"
    "  NAME         COMn, a device path, hartip://HOST[:PORT] or hartip+tcp://HOST[:PORT];\n"
    "               default COM3\n"
    "  --address N  polling address to identify (0-15, default 0); every command but\n"
    "               identify first identifies the device there and then uses its long address\n"
    "  --broadcast  no identification; long frames go to the all-zero address\n"
    "  --trace FILE every frame both ways into FILE, a pcap capture for Wireshark/tshark\n"
    "commands:\n"
    "  identify | pv | loop | output | message [TEXT] | assembly [N] | damping SECONDS\n"
    "  range UNITCODE UPPER LOWER | fixed-current MA | reset | transfer CODE\n"
    "  raw CMD [HEXBYTE...]   any command as a long frame\n";

int Usage(const char* problem) {
  if (problem) std::fprintf(stderr, "hartctl: %s\n", problem);
  std::fputs(kUsage, stderr);
  return 2;
}

bool ParseLong(const char* text, long low, long high, long& out, int base = 10) {
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text, &end, base);
  if (errno || end == text || *end || v < low || v > high) return false;
  out = v;
  return true;
}

bool ParseFloat(const char* text, float& out) {
  errno = 0;
  char* end = nullptr;
  const double v = std::strtod(text, &end);
  if (errno || end == text || *end || !std::isfinite(v) || std::fabs(v) > 3.4e38) return false;
  out = static_cast<float>(v);
  return true;
}

void PrintHex(const uint8_t* bytes, int n) {
  for (int i = 0; i < n; ++i)
    std::printf("%s%02X", i ? " " : "", bytes[i]);
}

// Fails with the result text on standard error.
int Fail(const HartResult& result) {
  std::fprintf(stderr, "%s\n", HartResultText(result).c_str());
  return 1;
}

const char* UnitText(int code) {
  const char* label = HartUnitLabel(code);
  return *label ? label : "?";
}

struct Options {
  std::string port;
  long address = 0;
  bool broadcast = false;
  std::string trace;
  std::vector<const char*> args;  // the command and its arguments
};

// The command and its arguments, checked and converted.
struct Plan {
  std::string command;
  size_t argc = 0;  // arguments after the command
  long number = 0;
  float value = 0, upper = 0, lower = 0;
  std::vector<uint8_t> raw;
  std::string text;
};

// Checks the command and its arguments before anything is opened or created: 0 and the
// plan when they are good, else the usage exit code.
int CheckCommand(const Options& o, Plan& plan) {
  const std::string& command = plan.command = o.args[0];
  const size_t argc = plan.argc = o.args.size() - 1;
  auto arg = [&](size_t i) { return o.args[i]; };
  auto wantArgs = [&](size_t low, size_t high) { return argc >= low && argc <= high; };
  long& number = plan.number;
  float &value = plan.value, &upper = plan.upper, &lower = plan.lower;
  std::vector<uint8_t>& raw = plan.raw;
  std::string& text = plan.text;
  if (command == "identify" || command == "pv" || command == "loop" || command == "output" ||
      command == "reset") {
    if (!wantArgs(0, 0)) return Usage("this command takes no arguments");
  } else if (command == "message") {
    if (!wantArgs(0, 1)) return Usage("message takes at most one TEXT");
    if (argc == 1) {
      text = arg(1);
      if (text.size() > 32) {
        std::fprintf(stderr, "hartctl: message cut to 32 characters\n");
        text.resize(32);
      }
      bool lowered = false;
      for (char& c : text) {
        const char form = PackedAsciiForm(c);
        if (!form)
          return Usage(
              "message: packed ASCII carries only space, digits, upper-case letters and "
              "!\"#$%&'()*+,-./:;<=>?@[\\]^_");
        lowered = lowered || form != c;
        c = form;
      }
      if (lowered) std::fprintf(stderr, "hartctl: lower-case letters go as upper case\n");
      text.resize(32, ' ');
    }
  } else if (command == "assembly") {
    if (!wantArgs(0, 1)) return Usage("assembly takes at most one number");
    if (argc == 1 && !ParseLong(arg(1), 0, 0xFFFFFF, number))
      return Usage("assembly: N must be a whole number from 0 to 16777215");
  } else if (command == "damping" || command == "fixed-current") {
    if (!wantArgs(1, 1) || !ParseFloat(arg(1), value))
      return Usage("a number is needed (for example 2.5)");
  } else if (command == "range") {
    if (!wantArgs(3, 3) || !ParseLong(arg(1), 0, 255, number) || !ParseFloat(arg(2), upper) ||
        !ParseFloat(arg(3), lower))
      return Usage("range: UNITCODE (0-255) UPPER LOWER");
  } else if (command == "transfer") {
    if (!wantArgs(1, 1) || !ParseLong(arg(1), 0, 255, number))
      return Usage("transfer: CODE must be 0-255");
  } else if (command == "raw") {
    if (!wantArgs(1, 33) || !ParseLong(arg(1), 0, 255, number))
      return Usage("raw: CMD must be 0-255, followed by at most 32 hex bytes");
    for (size_t i = 2; i <= argc; ++i) {
      long byte = 0;
      if (!ParseLong(arg(i), 0, 255, byte, 16)) return Usage("raw: data bytes are hex, 00-FF");
      raw.push_back(static_cast<uint8_t>(byte));
    }
  } else {
    return Usage("unknown command");
  }
  return 0;
}

int Run(DeviceState& ds, const Options& o, const Plan& plan) {
  const std::string& command = plan.command;
  const size_t argc = plan.argc;
  const long number = plan.number;
  const float value = plan.value, upper = plan.upper, lower = plan.lower;
  const std::string& text = plan.text;

  if (!o.port.empty()) ds.portNameOverride = o.port;
  if (!HartOpenPort(ds)) {
    // The port names itself and why: "COM3 (/dev/ttyS2): no such port".
    const std::string reason = ds.port ? ds.port->LastError() : std::string();
    std::fprintf(stderr, "Communication Port Error%s%s\n", reason.empty() ? "" : ": ",
                 reason.c_str());
    return 1;
  }

  if (command == "identify" || !o.broadcast) {
    HartIdentity id{};
    const HartResult result = HartCmd0(ds, static_cast<uint8_t>(o.address), id);
    if (result != HART_OK) return Fail(result);
    if (command == "identify") {
      std::printf("Polling address: %ld\n", o.address);
      std::printf("Manufacturer id: 0x%02X\nDevice type: 0x%02X\nDevice id: 0x%06X\n",
                  id.manufacturerId, id.deviceType, id.deviceId);
      std::printf("Preambles wanted: %u\nUniversal revision: %u\nDevice revision: %u\n",
                  id.minPreambles, id.universalRevision, id.deviceRevision);
      std::printf("Software revision: %u\nHardware revision: %u\nPhysical signaling: %u\n",
                  id.softwareRevision, id.hardwareRevision, id.physicalSignaling);
      std::printf("Flags: 0x%02X\n", id.flags);
      return 0;
    }
  } else {
    UseBroadcastAddress(ds);
  }

  HartResult result = HART_OK;
  if (command == "pv") {
    HartPvReading pv{};
    if ((result = HartCmd1(ds, pv)) != HART_OK) return Fail(result);
    std::printf("PV: %.4f %s (unit code %u)\n", pv.pv, UnitText(pv.unitCode), pv.unitCode);
  } else if (command == "loop") {
    HartLoopReading loop{};
    if ((result = HartCmd2(ds, loop)) != HART_OK) return Fail(result);
    std::printf("Loop current: %.4f mA\nPercent of range: %.4f %%\n", loop.current, loop.percent);
  } else if (command == "output") {
    HartOutputInfo info{};
    if ((result = HartCmd15(ds, info)) != HART_OK) return Fail(result);
    std::printf("Alarm selection: %u\nTransfer function: %u\n", info.alarmCode,
                info.transferFunction);
    std::printf("Range units: %s (unit code %u)\n", UnitText(info.rangeUnits), info.rangeUnits);
    std::printf("Upper range value: %.4f\nLower range value: %.4f\nDamping: %.4f s\n",
                info.upperRange, info.lowerRange, info.damping);
    std::printf("Write protect: %u\nDistributor: %u\n", info.writeProtect, info.distributor);
  } else if (command == "message") {
    char message[32];
    if (argc == 1) {
      std::memcpy(message, text.data(), 32);
      result = HartCmd17(ds, message);
    } else {
      result = HartCmd12(ds, message);
    }
    if (result != HART_OK) return Fail(result);
    std::printf("Message: %.32s\n", message);
  } else if (command == "assembly") {
    uint32_t assembly = static_cast<uint32_t>(number);
    result = argc == 1 ? HartCmd19(ds, assembly) : HartCmd16(ds, assembly);
    if (result != HART_OK) return Fail(result);
    std::printf("Final assembly number: %u\n", assembly);
  } else if (command == "damping") {
    HartFloatEcho damping{value, 0};
    if ((result = HartCmd34(ds, damping)) != HART_OK) return Fail(result);
    std::printf("Damping: %.4f s\n", damping.actual);
  } else if (command == "range") {
    HartRangeValues range{static_cast<uint8_t>(number), upper, lower};
    if ((result = HartCmd35(ds, range)) != HART_OK) return Fail(result);
    std::printf(
        "Range units: %s (unit code %u)\nUpper range value: %.4f\nLower range value: %.4f\n",
        UnitText(range.unitCode), range.unitCode, range.upperRange, range.lowerRange);
  } else if (command == "fixed-current") {
    HartFloatEcho current{value, 0};
    if ((result = HartCmd40(ds, current)) != HART_OK) return Fail(result);
    if (current.actual == 0.0f)
      std::printf("Fixed current mode left\n");
    else
      std::printf("Loop current fixed at: %.4f mA\n", current.actual);
  } else if (command == "reset") {
    if ((result = HartCmd42(ds)) != HART_OK) return Fail(result);
    std::printf("Device reset\n");
  } else if (command == "transfer") {
    uint8_t code = static_cast<uint8_t>(number);
    if ((result = HartCmd47(ds, code)) != HART_OK) return Fail(result);
    std::printf("Transfer function: %u\n", code);
  } else if (command == "raw") {
    HartResponse reply{};
    result = HartExchange(ds, static_cast<uint8_t>(number), plan.raw.data(),
                          static_cast<uint8_t>(plan.raw.size()), 0, reply);
    if (result == HART_OK || result == HART_DEVICE_ERROR) {
      std::printf("Response code: %u\nDevice status: 0x%02X\nData (%d bytes): ", reply.responseCode,
                  reply.deviceStatus, reply.byteCount - 2);
      PrintHex(reply.data, reply.byteCount - 2);
      std::printf("\n");
    }
    if (result != HART_OK) return Fail(result);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  int i = 1;
  for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
    const std::string opt = argv[i];
    if (opt == "--port" && i + 1 < argc) {
      o.port = argv[++i];
    } else if (opt == "--address" && i + 1 < argc) {
      if (!ParseLong(argv[++i], 0, 15, o.address))
        return Usage("--address takes a polling address from 0 to 15");
    } else if (opt == "--trace" && i + 1 < argc) {
      o.trace = argv[++i];
    } else if (opt == "--broadcast") {
      o.broadcast = true;
    } else if (opt == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      return Usage(("unknown option " + opt).c_str());
    }
  }
  if (i >= argc) return Usage("no command given");
  for (; i < argc; ++i)
    o.args.push_back(argv[i]);
  Plan plan;
  if (const int refused = CheckCommand(o, plan)) return refused;

  // Only a command line that is good in full creates the capture.
  PcapTrace trace;  // outlives the link, which may still write as it closes
  std::string problem;
  if (!o.trace.empty() && !trace.Open(o.trace, &problem)) {
    std::fprintf(stderr, "hartctl: %s\n", problem.c_str());
    return 1;
  }
  int status = 0;
  {
    DeviceState ds;
    ds.portIndex = 2;  // COM3 unless --port says otherwise
    if (trace.IsOpen()) ds.observer = &trace;
    status = Run(ds, o, plan);
  }  // the port closes: a HART-IP session is ended and its end answered
  if (trace.IsOpen() && !trace.Finish(&problem)) {
    std::fprintf(stderr, "hartctl: capture not saved: %s\n", problem.c_str());
    return status != 0 ? status : 1;
  }
  return status;
}
