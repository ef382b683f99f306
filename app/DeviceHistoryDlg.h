// The Device History window (Info Look > "Device History"): the devices in the records
// store, the chosen device's records newest first with a text filter, Compare of two of its
// configuration images, and Export CSV of the records shown. It only ever reads the store.
// Its queries run on a thread of its own with its own connection, so a slow or hanging
// database server never holds up the window; an answer that comes after a newer question
// is dropped.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ConfigImage.h"
#include "RecordStore.h"

class CMorvaneDlg;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class StoreReader;

// Reads the configuration of the device `device` (a long address) afresh and hands the image
// to `done` on the UI thread; nullopt when it was not read (the reader has told the user why).
using DeviceImageDone = std::function<void(std::optional<ConfigImage>)>;
using ReadDeviceImage = std::function<void(const QString& device, DeviceImageDone done)>;

// The main window's reader: a job on its job pair, like "Update to computer", that
// identifies the device at the station number, refuses when it is another device, and reads
// the 250 blocks with the window's bar; a Stop ends it between blocks.
ReadDeviceImage MainWindowImageReader(CMorvaneDlg& window);

class DeviceHistoryDlg : public QDialog {
  Q_OBJECT

 public:
  // How many of the chosen device's records the window shows at most, the newest.
  static constexpr int kShownRecords = 500;

  explicit DeviceHistoryDlg(const RecordsLocation& where, QWidget* parent = nullptr);
  ~DeviceHistoryDlg() override;

  // Reads from `where` from now on (when it changed) and asks the store again.
  void SetLocation(const RecordsLocation& where);
  // Asks the store again for the devices and the chosen device's records.
  void Refresh();
  // Enables "The device now" in Compare.
  void SetDeviceImageReader(ReadDeviceImage reader) { m_readDevice = std::move(reader); }

  // The long address of the device chosen in the list; empty when none is.
  QString ChosenDevice() const;
  const std::vector<DeviceRecord>& ShownRecords() const { return m_shown; }

  void OnCompare();
  void OnExportCsv();

 private:
  void FillDevices(std::vector<DeviceSummary> devices, const QString& error);
  void QueryRecords();
  void FillRecords(std::vector<DeviceRecord> records, const QString& filter, const QString& error);
  void OnFilterEdited();
  void ShowCount();

  RecordsLocation m_where;
  std::shared_ptr<StoreReader> m_reader;
  int m_devicesLane = 0;
  int m_recordsLane = 0;
  ReadDeviceImage m_readDevice;

  std::vector<DeviceSummary> m_devices;
  std::vector<DeviceRecord> m_shown;
  QString m_askedDevice;       // whose records were asked for last
  QString m_shownDevice;       // whose records m_shown holds
  QString m_shownFilter;       // and the filter they answer
  bool m_moreRecords = false;  // the store holds more than kShownRecords that match
  QString m_error;             // why the store could not answer, when it could not
  bool m_reading = false;
  int m_filterEdits = 0;

  QTableWidget* m_deviceTable = nullptr;
  QTableWidget* m_recordTable = nullptr;
  QLineEdit* m_filter = nullptr;
  QLabel* m_count = nullptr;
};

// Compare: two configuration images of one device side by side, each side chosen from the
// device's uploads and downloads in the store, a data file, or the device now.
class ConfigCompareDlg : public QDialog {
  Q_OBJECT

 public:
  ConfigCompareDlg(std::shared_ptr<StoreReader> reader, const QString& device,
                   const QString& deviceLabel, ReadDeviceImage readDevice, QWidget* parent);
  ~ConfigCompareDlg() override;

  // Shows `image` on side 0 (left) or 1 (right), `source` saying where it came from.
  void SetSide(int side, const ConfigImage& image, const QString& source);

 private:
  void FillChoices(std::vector<DeviceRecord> records, const QString& error);
  void OnChoice(int side, int index);
  void LoadRecordImage(int side, const DeviceRecord& record);
  void ShowComparison();

  std::shared_ptr<StoreReader> m_reader;
  QString m_device;
  ReadDeviceImage m_readDevice;
  int m_listLane = 0;
  std::array<int, 2> m_sideLane{};
  std::array<int, 2> m_sideAsk{};  // the newest question for each side
  std::array<int, 2> m_chosen{{-1, -1}};
  std::array<std::optional<ConfigImage>, 2> m_image;
  std::vector<DeviceRecord> m_imageRecords;  // the device's uploads and downloads, newest first
  std::shared_ptr<bool> m_alive;             // false once the window is gone (UI thread only)

  std::array<QComboBox*, 2> m_choice{};
  std::array<QLabel*, 2> m_source{};
  QTableWidget* m_table = nullptr;
  QLabel* m_count = nullptr;
};

// Info Look > "Device History": the window, made on first use as a child of `parent` and
// kept; every call shows it with what the store holds now. Under the main window, Compare can
// read the device now through the window's job pair.
void ShowDeviceHistory(QWidget* parent, const RecordsLocation& where);
