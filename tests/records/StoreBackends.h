// The store's tests run the same cases against an SQLite file and a PostgreSQL database on
// the test program's own server.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <atomic>
#include <memory>
#include <string>

#include "PostgresServer.h"
#include "RecordStore.h"

enum class Backend { SQLite, PostgreSQL };

inline void PrintTo(Backend backend, std::ostream* os) {
  *os << (backend == Backend::SQLite ? "SQLite" : "PostgreSQL");
}

inline std::string BackendName(const ::testing::TestParamInfo<Backend>& info) {
  return ::testing::PrintToString(info.param);
}

// A fresh, empty store location for each test, and the outage of each kind of store.
class StoreTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    RecordsLocation loc;
    if (GetParam() == Backend::PostgreSQL) {
      PostgresServer& pg = PostgresServer::Shared();
      if (!pg.ready()) GTEST_SKIP() << pg.problem();
      static std::atomic<int> n{0};
      const std::string name = "records_" + std::to_string(getpid()) + "_" + std::to_string(n++);
      ASSERT_TRUE(pg.CreateDatabase(name)) << pg.problem();
      ASSERT_TRUE(ParseRecordsLocation(QString::fromStdString(pg.Url(name)), loc, nullptr));
    } else {
      ASSERT_TRUE(ParseRecordsLocation(dir_.filePath("Records.db"), loc, nullptr));
    }
    loc.lockWaitMs = 200;  // a locked file fails a write quickly here
    where_ = loc;
  }

  std::unique_ptr<RecordStore> OpenStore() {
    QString error;
    auto store = RecordStore::Open(where_, &error);
    EXPECT_TRUE(store) << error.toStdString();
    return store;
  }

  // Runs SQL on a connection of the test's own, beside the store's; false on failure.
  bool Sql(const QString& sql) {
    const QString name = QStringLiteral("test-raw");
    bool ok = false;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(
          where_.kind == RecordsLocation::Kind::PostgreSQL ? "QPSQL" : "QSQLITE", name);
      db.setDatabaseName(where_.kind == RecordsLocation::Kind::PostgreSQL ? where_.database
                                                                          : where_.file);
      db.setHostName(where_.host);
      db.setUserName(where_.user);
      ok = db.open() && QSqlQuery(db).exec(sql);
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
  }

  // Makes the store fail every write until EndOutage: the PostgreSQL server stopped, or the
  // SQLite file held by another connection in a write transaction.
  void BeginOutage() {
    if (GetParam() == Backend::PostgreSQL) {
      ASSERT_TRUE(PostgresServer::Shared().Stop()) << PostgresServer::Shared().problem();
      return;
    }
    locker_ = std::make_unique<QSqlDatabase>(QSqlDatabase::addDatabase("QSQLITE", "locker"));
    locker_->setDatabaseName(where_.file);
    ASSERT_TRUE(locker_->open());
    ASSERT_TRUE(QSqlQuery(*locker_).exec("BEGIN IMMEDIATE"));
  }
  void EndOutage() {
    if (GetParam() == Backend::PostgreSQL) {
      ASSERT_TRUE(PostgresServer::Shared().Start()) << PostgresServer::Shared().problem();
      return;
    }
    QSqlQuery(*locker_).exec("ROLLBACK");
    locker_->close();
    locker_.reset();
    QSqlDatabase::removeDatabase("locker");
  }

  QTemporaryDir dir_;
  RecordsLocation where_;
  std::unique_ptr<QSqlDatabase> locker_;
};
