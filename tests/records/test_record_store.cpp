// The records store against SQLite and PostgreSQL: the schema, appending, the queries of
// Device History, images and the CSV export.
#include <QFile>

#include "StoreBackends.h"

namespace {

DeviceRecord Rec(const QString& uid, qint64 time, const QString& device, const QString& tag,
                 const QString& operation, const QString& detail = {},
                 const QString& result = "OK") {
  DeviceRecord r;
  r.uid = uid;
  r.timeUtcMs = time;
  r.station = "LINE3-PC2";
  r.user = "tech";
  r.device = device;
  r.tag = tag;
  r.operation = operation;
  r.kind = record_kind::kWrite;
  r.detail = detail;
  r.result = result;
  return r;
}

std::vector<QString> Uids(const std::vector<DeviceRecord>& records) {
  std::vector<QString> uids;
  for (const DeviceRecord& r : records)
    uids.push_back(r.uid);
  return uids;
}

using RecordStoreTest = StoreTest;

TEST_P(RecordStoreTest, SchemaIsCreatedKeptAndANewerOneRefused) {
  {
    auto store = OpenStore();
    ASSERT_TRUE(store);
    QString error;
    ASSERT_TRUE(
        store->Append({Rec("a", 1000, "26-05-0A0001", "PT-101", "Damping Time > Update")}, &error))
        << error.toStdString();
  }
  {
    auto again = OpenStore();  // reopened: the schema is there, and the record
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Records("", "", 10, nullptr).size(), 1u);
  }
  // A later program's schema: this one refuses it for good, and writes nothing into it.
  ASSERT_TRUE(Sql("INSERT INTO schema_version (version) VALUES (3)"));
  QString error;
  bool lasting = false;
  EXPECT_FALSE(RecordStore::Open(where_, &error, &lasting));
  EXPECT_TRUE(lasting);
  EXPECT_EQ(error, where_.text + " has schema version 3; this program knows version 1");
}

TEST_P(RecordStoreTest, AppendKeepsOrderAndStoresAUidOnce) {
  auto store = OpenStore();
  ASSERT_TRUE(store);
  const QString dev = "26-05-0A0001";
  // One millisecond for all three: the order they were handed over decides.
  std::vector<DeviceRecord> batch = {Rec("u1", 5000, dev, "", "first"),
                                     Rec("u2", 5000, dev, "", "second"),
                                     Rec("u3", 5000, dev, "", "third")};
  QString error;
  ASSERT_TRUE(store->Append(batch, &error)) << error.toStdString();
  // The same batch again (its acknowledgement was lost), with one new record.
  batch.push_back(Rec("u4", 4000, dev, "", "older, new"));
  ASSERT_TRUE(store->Append(batch, &error)) << error.toStdString();
  EXPECT_EQ(Uids(store->Records(dev, "", 100, &error)),
            (std::vector<QString>{"u3", "u2", "u1", "u4"}));
  const auto devices = store->Devices(&error);
  ASSERT_EQ(devices.size(), 1u);
  EXPECT_EQ(devices[0].records, 4);
}

TEST_P(RecordStoreTest, DevicesAndTheFilter) {
  auto store = OpenStore();
  ASSERT_TRUE(store);
  const QString a = "26-05-0A0001", b = "26-05-0A0002";
  std::vector<DeviceRecord> records = {
      Rec("1", 1000, a, "PT-101", "Identify", "Manufacturer 0x26"),
      Rec("2", 2000, b, "FT-7", "Damping Time > Update", "Damping Time 2.5000 s -> 3.3000 s"),
      Rec("3", 3000, a, "PT-101A", "Rerange > Update", "PV range 0..100 kPa -> 0..250 kPa"),
      Rec("4", 4000, a, "", "Reset Device", "", "No response,timeout!"),
      Rec("5", 5000, "", "", "hartctl raw", "broadcast"),  // no device known
      Rec("6", 6000, a, "", "Überprüfung 100%_done"),
  };
  records[1].station = "LINE4-PC1";
  records[2].user = "Müller";
  QString error;
  ASSERT_TRUE(store->Append(records, &error)) << error.toStdString();

  const auto devices = store->Devices(&error);
  ASSERT_EQ(devices.size(), 2u) << error.toStdString();
  EXPECT_EQ(devices[0].device, a);
  EXPECT_EQ(devices[0].tag, "PT-101A");  // the newest tag, though later records had none
  EXPECT_EQ(devices[0].lastSeenUtcMs, 6000);
  EXPECT_EQ(devices[0].records, 4);
  EXPECT_EQ(devices[1].device, b);
  EXPECT_EQ(devices[1].tag, "FT-7");

  auto find = [&](const QString& device, const QString& filter) {
    return Uids(store->Records(device, filter, 100, &error));
  };
  using U = std::vector<QString>;
  EXPECT_EQ(find(a, ""), (U{"6", "4", "3", "1"}));
  EXPECT_EQ(find("", ""), (U{"6", "5", "4", "3", "2", "1"}));
  // Operation, detail, result, tag, station and user, in any case.
  EXPECT_EQ(find("", "update"), (U{"3", "2"}));
  EXPECT_EQ(find(a, "KPA"), (U{"3"}));
  EXPECT_EQ(find("", "TIMEOUT"), (U{"4"}));
  EXPECT_EQ(find("", "pt-101a"), (U{"3"}));
  EXPECT_EQ(find("", "line4"), (U{"2"}));
  EXPECT_EQ(find("", "MÜLLER"), (U{"3"}));
  EXPECT_EQ(find("", "überprüfung"), (U{"6"}));
  // The filter is text, never a pattern.
  EXPECT_EQ(find("", "%_"), (U{"6"}));
  EXPECT_EQ(find("", "0%"), (U{"6"}));
  EXPECT_EQ(find("", "write"), U{});  // the kind is not searched
  EXPECT_EQ(find(b, "Reset"), U{});
  EXPECT_EQ(Uids(store->Records(a, "", 2, &error)), (U{"6", "4"}));
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}

TEST_P(RecordStoreTest, ImagesAreKeptByteForByte) {
  auto store = OpenStore();
  ASSERT_TRUE(store);
  QByteArray image(2000, '\0');
  for (int i = 0; i < image.size(); ++i)
    image[i] = static_cast<char>((i * 37) & 0xFF);
  DeviceRecord upload = Rec("up", 1000, "26-05-0A0001", "PT-101", "File > Update to computer");
  upload.kind = record_kind::kUpload;
  upload.image = image;
  QString error;
  ASSERT_TRUE(store->Append({upload, Rec("plain", 2000, "26-05-0A0001", "", "x")}, &error))
      << error.toStdString();
  EXPECT_EQ(store->Image("up", &error), image);
  EXPECT_FALSE(store->Image("plain", &error).has_value());
  EXPECT_FALSE(store->Image("missing", &error).has_value());
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  // The list does not carry images.
  EXPECT_TRUE(store->Records("", "", 10, &error).at(1).image.isEmpty());
}

TEST_P(RecordStoreTest, CsvOfStoredRecordsIsExact) {
  auto store = OpenStore();
  ASSERT_TRUE(store);
  DeviceRecord odd = Rec("c1", 1796804130125, "26-05-0A0001", "PT-101", "Message > Update",
                         "Message \"A,B\" -> \"LINE\nTWO\"", "Communication Failure:写保护");
  odd.user = "Ana Müller";
  DeviceRecord plain = Rec("c2", 1796804130000, "26-05-0A0002", "", "Reset Device");
  QString error;
  ASSERT_TRUE(store->Append({plain, odd}, &error)) << error.toStdString();
  const QByteArray expected =
      "time,station,user,device,tag,operation,detail,result\r\n"
      "2026-12-09T08:15:30.125Z,LINE3-PC2,Ana M\xC3\xBCller,26-05-0A0001,PT-101,"
      "Message > Update,\"Message \"\"A,B\"\" -> \"\"LINE\nTWO\"\"\","
      "Communication Failure:\xE5\x86\x99\xE4\xBF\x9D\xE6\x8A\xA4\r\n"
      "2026-12-09T08:15:30.000Z,LINE3-PC2,tech,26-05-0A0002,,Reset Device,,OK\r\n";
  EXPECT_EQ(RecordsCsv(store->Records("", "", 10, &error)), expected);
}

TEST_P(RecordStoreTest, OnlyADamagedFileIsALastingFailure) {
  if (GetParam() == Backend::PostgreSQL) {
    // A server that is not there may come back.
    RecordsLocation gone = where_;
    gone.host = dir_.filePath("no-server-here");
    QString error;
    bool lasting = true;
    EXPECT_FALSE(RecordStore::Open(gone, &error, &lasting));
    EXPECT_FALSE(lasting);
    EXPECT_TRUE(error.startsWith(gone.text + ": ")) << error.toStdString();
    return;
  }
  const QByteArray junk = QByteArray("PT-101 configuration, not a database\n").repeated(40);
  {
    QFile file(where_.file);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(junk);
  }
  QString error;
  bool lasting = false;
  EXPECT_FALSE(RecordStore::Open(where_, &error, &lasting));
  EXPECT_TRUE(lasting);
  EXPECT_EQ(error, where_.file + " is not a records database: file is not a database");
  QFile file(where_.file);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), junk);  // left as it was

  // A folder that is not there yet may be created.
  RecordsLocation missing = where_;
  missing.file = dir_.filePath("no-such-folder/Records.db");
  EXPECT_FALSE(RecordStore::Open(missing, &error, &lasting));
  EXPECT_FALSE(lasting);
}

INSTANTIATE_TEST_SUITE_P(Both, RecordStoreTest,
                         ::testing::Values(Backend::SQLite, Backend::PostgreSQL), BackendName);

}  // namespace
