// The real message boxes, asked for from a worker: shown on the UI thread, application
// modal, and the worker gets the user's answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

#include "Prompts.h"
#include "UiThreadQueue.h"

namespace {

// Answers the first message box that opens by pressing `button`, noting what it showed.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(QMessageBox::StandardButton button) {
    QObject::connect(&timer_, &QTimer::timeout, [this, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      timer_.stop();
      text = box->text();
      buttons = box->standardButtons();
      modality = box->windowModality();
      onUiThread = QThread::currentThread() == qApp->thread();
      box->button(button)->click();
    });
    timer_.start(5);
  }

  QString text;
  QMessageBox::StandardButtons buttons;
  Qt::WindowModality modality = Qt::NonModal;
  bool onUiThread = false;

 private:
  QTimer timer_;
};

TEST(DialogPromptsTest, AWorkersConfirmationIsShownOnTheUiThreadAndAnswered) {
  SetThePrompts(nullptr);
  TheUiQueue();
  for (auto [button, expected] : {std::pair{QMessageBox::Cancel, 0}, {QMessageBox::Ok, 1}}) {
    BoxAnswerer answerer(button);
    std::atomic<int> answer{-1};
    std::thread worker([&answer] { answer = AskConfirm("Online Device Searching?") ? 1 : 0; });
    const bool answered = QTest::qWaitFor([&answer] { return answer.load() != -1; }, 10000);
    worker.join();
    ASSERT_TRUE(answered);
    EXPECT_EQ(answer.load(), expected);
    EXPECT_EQ(answerer.text, "Online Device Searching?");
    EXPECT_EQ(answerer.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(answerer.modality, Qt::ApplicationModal);
    EXPECT_TRUE(answerer.onUiThread);
  }
}

TEST(DialogPromptsTest, AWorkersMessageWaitsForOk) {
  SetThePrompts(nullptr);
  TheUiQueue();
  BoxAnswerer answerer(QMessageBox::Ok);
  std::atomic<bool> done{false};
  std::thread worker([&done] {
    ShowMessage(QString::fromUtf8("Online 2 Device"));
    done = true;
  });
  const bool finished = QTest::qWaitFor([&done] { return done.load(); }, 10000);
  worker.join();
  ASSERT_TRUE(finished);
  EXPECT_EQ(answerer.text, "Online 2 Device");
  EXPECT_EQ(answerer.buttons, QMessageBox::Ok);
}

}  // namespace
