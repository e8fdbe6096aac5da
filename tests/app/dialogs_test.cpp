// The device picker and the message boxes as the user sees them.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app_test_support.hpp"
#include "qt_messages.hpp"
#include "select_device_dialog.hpp"

using namespace vertanum;
using namespace vertanum::app;
using namespace vertanum::app::testing;

namespace {

// Runs `answer` on the modal dialog that the next call opens.
void WhenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        answer(modal);
    });
}

QPushButton* ButtonWithText(QWidget* box, const QString& text) {
    for (auto* b : box->findChildren<QPushButton*>()) {
        if (b->text() == text) return b;
    }
    return nullptr;
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void pickerListsEveryModelInRegistryOrder() {
        WindowUnderTest w;
        TfrmSelect picker(w->Registry(), w.window.get());
        QCOMPARE(picker.windowTitle(), QString("Выберите устройство"));
        QCOMPARE(picker.size(), QSize(708, 211));
        QCOMPARE(picker.cbxSelect()->size(), QSize(641, 108));
        QCOMPARE(picker.cbxSelect()->maxVisibleItems(), 5);
        QCOMPARE(picker.cbxSelect()->count(), 23);
        for (int i = 0; i < 23; ++i) {
            QCOMPARE(picker.cbxSelect()->itemText(i),
                     QString::fromStdString(w->Registry().At(i)->Caption));
            QVERIFY(!picker.cbxSelect()->itemIcon(i).isNull());
        }
        QCOMPARE(picker.cbxSelect()->findText("[НЕТ]"), -1);
        // Nothing chosen: OK waits for a choice.
        QCOMPARE(picker.SelectedPosition(), -1);
        QVERIFY(!picker.OkButton()->isEnabled());
        picker.cbxSelect()->setCurrentIndex(kKrv);
        QVERIFY(picker.OkButton()->isEnabled());
        QCOMPARE(picker.SelectedPosition(), kKrv);
        picker.cbxSelect()->setCurrentIndex(-1);
        QVERIFY(!picker.OkButton()->isEnabled());
    }

    void everyPictureIsThere() {
        for (int i = 0; i < 7; ++i) {
            const QPixmap picture = TfrmSelect::DevicePicture(i);
            QVERIFY2(!picture.isNull(), qPrintable(QString::number(i)));
        }
    }

    void pickerAnsweredOkAndCancel() {
        WindowUnderTest w;
        QtDialogs dialogs;
        WhenModal([](QWidget* modal) {
            auto* picker = qobject_cast<TfrmSelect*>(modal);
            QVERIFY(picker);
            picker->cbxSelect()->setCurrentIndex(21);
            QTest::mouseClick(picker->OkButton(), Qt::LeftButton);
        });
        QCOMPARE(dialogs.PickDevice(w.window.get(), w->Registry()), std::optional<int>(21));
        WhenModal([](QWidget* modal) {
            QTest::mouseClick(qobject_cast<TfrmSelect*>(modal)->CancelButton(), Qt::LeftButton);
        });
        QCOMPARE(dialogs.PickDevice(w.window.get(), w->Registry()), std::nullopt);
    }

    void messageBoxesInRussian() {
        QtMessages messages;
        QString shown_text;
        WhenModal([&](QWidget* modal) {
            shown_text = qobject_cast<QMessageBox*>(modal)->text();
            QVERIFY(ButtonWithText(modal, "Да"));
            QVERIFY(ButtonWithText(modal, "Отмена"));
            QTest::mouseClick(ButtonWithText(modal, "Нет"), Qt::LeftButton);
        });
        QCOMPARE(messages.Show({MessageIcon::Information, "Сохранить\rданные",
                                MessageButtons::YesNoCancel, MessageAnswer::Yes}),
                 MessageAnswer::No);
        QCOMPARE(shown_text, QString("Сохранить\nданные"));

        WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(messages.Show({MessageIcon::Question, "Заменить?", MessageButtons::OkCancel,
                                MessageAnswer::Ok}),
                 MessageAnswer::Cancel);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
