#include "gui/QueuedPrompter.h"

#include <QTest>

using namespace rkm;
using Buttons = QMessageBox::StandardButtons;
using Button = QMessageBox::StandardButton;

class QueuedPrompterTest : public QObject {
    Q_OBJECT

private slots:
    void unansweredMessages_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<Button>("defaultButton");
        QTest::addColumn<Button>("answer");
        QTest::newRow("OK") << Buttons(QMessageBox::Ok) << QMessageBox::NoButton << QMessageBox::Ok;
        QTest::newRow("OK/Cancel") << Buttons(QMessageBox::Ok | QMessageBox::Cancel) << QMessageBox::NoButton
                                   << QMessageBox::Ok;
        QTest::newRow("Yes/No") << Buttons(QMessageBox::Yes | QMessageBox::No) << QMessageBox::NoButton
                                << QMessageBox::Yes;
        QTest::newRow("Yes/No, No default") << Buttons(QMessageBox::Yes | QMessageBox::No) << QMessageBox::No
                                            << QMessageBox::No;
    }
    void unansweredMessages()
    {
        QFETCH(Buttons, buttons);
        QFETCH(Button, defaultButton);
        QFETCH(Button, answer);
        QueuedPrompter p;
        QCOMPARE(&prompter(), static_cast<Prompter *>(&p));
        QCOMPARE(prompter().message(nullptr, QMessageBox::Question, "Rackmere", "Sure?", buttons, defaultButton), answer);
        QCOMPARE(p.calls.size(), 1);
        QCOMPARE(p.calls[0].kind, QueuedPrompter::Message);
        QCOMPARE(p.calls[0].caption, QStringLiteral("Rackmere"));
        QCOMPARE(p.calls[0].text, QStringLiteral("Sure?"));
        QCOMPARE(p.calls[0].icon, QMessageBox::Question);
        QCOMPARE(p.calls[0].buttons, buttons);
    }

    void queuedAnswersInOrderPerKind()
    {
        QueuedPrompter p;
        p.answers << QMessageBox::No << QMessageBox::Cancel;
        p.directories << "/media/cd";
        p.printerAnswers << true;
        p.openAnswers << false;
        QCOMPARE(prompter().existingDirectory(nullptr, "Pick", "/start"), QStringLiteral("/media/cd"));
        QCOMPARE(prompter().existingDirectory(nullptr, "Pick", "/start"), QString());
        QCOMPARE(prompter().message(nullptr, QMessageBox::Question, "c", "t", QMessageBox::Yes | QMessageBox::No),
                 QMessageBox::No);
        prompter().beep();
        QCOMPARE(prompter().message(nullptr, QMessageBox::Question, "c", "t", QMessageBox::Ok | QMessageBox::Cancel),
                 QMessageBox::Cancel);
        QVERIFY(prompter().choosePrinter(nullptr, nullptr));
        QVERIFY(!prompter().choosePrinter(nullptr, nullptr));
        QVERIFY(!prompter().openUrl(QUrl("file:///x")));
        QVERIFY(prompter().openUrl(QUrl("file:///y")));
        QCOMPARE(p.count(QueuedPrompter::Message), 2);
        QCOMPARE(p.count(QueuedPrompter::Beep), 1);
        QCOMPARE(p.count(QueuedPrompter::ExistingDirectory), 2);
        QCOMPARE(p.calls[0].text, QStringLiteral("/start"));
        QCOMPARE(p.calls.last().text, QStringLiteral("file:///y"));
    }

    void theDesktopPrompterComesBack()
    {
        Prompter *desktop = &prompter();
        {
            QueuedPrompter p;
            QVERIFY(&prompter() != desktop);
        }
        QCOMPARE(&prompter(), desktop);
    }
};

QTEST_MAIN(QueuedPrompterTest)
#include "QueuedPrompter_test.moc"
