// The communication log window: every frame both ways as the link sent and received it,
// with its time, direction, command, a one-line decode and the bytes in hex. It shows the
// last 10 000 frames, can be narrowed to some commands, cleared, and saved as a pcap
// capture that Wireshark opens (each frame as a HART-IP message).
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <deque>
#include <set>

#include "LinkMonitor.h"

class QLabel;
class QLineEdit;
class QTableView;

// The rows: the monitor's frames that pass the command filter, oldest first.
class FrameLogModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kTime, kDirection, kCommand, kDecode, kHex, kColumnCount };

  explicit FrameLogModel(const LinkMonitor& monitor, QObject* parent = nullptr);

  // Only these commands; empty: all.
  void SetCommandFilter(std::set<int> commands);
  const LoggedFrame& FrameAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  void OnFrameAdded(bool dropped);
  void Rebuild();
  bool Passes(const LoggedFrame& frame) const;

  const LinkMonitor& m_monitor;
  std::set<int> m_commands;
  std::deque<uint64_t> m_rows;  // serial numbers of the frames shown
};

// "1, 15 48": the commands to show. False when a part is not a command number 0..255.
bool ParseCommandFilter(const QString& text, std::set<int>& commands);

class CommunicationLogDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CommunicationLogDlg(LinkMonitor& monitor, QWidget* parent = nullptr);

  FrameLogModel* Model() const { return m_model; }

  // The pcap capture of the frames shown.
  QByteArray CaptureBytes() const;
  void OnSave();

 private:
  void OnFilterEdited();
  void UpdateCount();

  LinkMonitor& m_monitor;
  FrameLogModel* m_model = nullptr;
  QTableView* m_table = nullptr;
  QLineEdit* m_filter = nullptr;
  QLabel* m_filterProblem = nullptr;
  QLabel* m_count = nullptr;
  bool m_followEnd = true;
};
