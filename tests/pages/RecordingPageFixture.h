// A page test whose main window hands every operation's record to a recorder that keeps
// them, as the device records would get them.
#pragma once

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "PageFixture.h"

class KeptRecords : public OperationRecorder {
 public:
  void OperationEnded(DeviceState&, const OperationRecord& record) override {
    std::lock_guard<std::mutex> hold(lock_);
    records_.push_back(record);
  }
  // The records since the last call.
  std::vector<OperationRecord> Take() {
    std::lock_guard<std::mutex> hold(lock_);
    return std::exchange(records_, {});
  }

 private:
  std::mutex lock_;
  std::vector<OperationRecord> records_;
};

// The main window with the kept records as its recorder.
class RecordedMainWindow : public CMorvaneDlg {
 public:
  OperationRecorder* Recorder() override { return &kept; }
  KeptRecords kept;
};

class RecordingPageFixture : public PageFixture {
 protected:
  void SetUp() override {
    GuiFixture::SetUp();
    device = &loop.AddDevice(0);
    window = new RecordedMainWindow;
    dlg.reset(window);
    dlg->setAttribute(Qt::WA_DontShowOnScreen);
    dlg->show();
    RecordProgress();
  }
  // The one record made since the last call; a test failure when there is not exactly one.
  OperationRecord OneRecord() {
    std::vector<OperationRecord> records = window->kept.Take();
    EXPECT_EQ(records.size(), 1u);
    return records.empty() ? OperationRecord{} : records.front();
  }

  RecordedMainWindow* window = nullptr;
};

// Values as {name, value, echo} triples, which compare and print as they read.
using Triples = std::vector<std::vector<std::string>>;
inline Triples TriplesOf(const std::vector<RecordedValue>& values) {
  Triples triples;
  for (const RecordedValue& v : values)
    triples.push_back({v.name, v.value, v.echo});
  return triples;
}
