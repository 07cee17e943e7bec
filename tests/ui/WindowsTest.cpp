// The windows of the desktop program, driven as a user drives them: each window shows its
// model and forwards the user's actions to it.

#include "AppState.h"
#include "ModalAnswers.h"
#include "shell/MainForm.h"
#include "shell/PreferencesForm.h"
#include "ui/DesktopProgram.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/PreferencesFormDialog.h"
#include "ui/QtPrompter.h"
#include "ui/RiskAnalysisWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <memory>

using namespace torval;

class WindowsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programDirectory_;
    AppState state_;
    std::unique_ptr<DesktopProgram> program_;

    void startProgram() {
        state_ = AppState{};
        DesktopOptions options;
        options.programDirectory = programDirectory_.path().toStdString();
        options.exitNow = [] {};
        program_ = std::make_unique<DesktopProgram>(state_, options);
        onNextModal([](QWidget* box) { pressButton(box, QMessageBox::Ok); });
        program_->start();
    }

private slots:
    void initTestCase() {
        QVERIFY(programDirectory_.isValid());
        for (const char* shipped : {"Helps", "bitmap", "SampleDat"}) {
            QVERIFY(QFile::link(QDir(QStringLiteral(TORVAL_SHIPPED_DATA)).filePath(shipped),
                                programDirectory_.filePath(shipped)));
        }
    }

    void init() { startProgram(); }
    void cleanup() { program_.reset(); }

    void prompterShowsTheMessageAndReturnsThePressedButton() {
        struct Case {
            Message message;
            QMessageBox::Icon icon;
            QMessageBox::StandardButtons buttons;
            QMessageBox::StandardButton defaultButton;
            QMessageBox::StandardButton press;
            MessageAnswer answer;
        };
        const Case cases[] = {
            {{"A\r\rB é\rC", "Save changes", MessageIcon::Question, MessageButtons::YesNoCancel,
              MessageAnswer::Yes},
             QMessageBox::Question,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
             QMessageBox::Yes,
             QMessageBox::Cancel,
             MessageAnswer::Cancel},
            {{"A", "Data Not Saved", MessageIcon::Exclamation, MessageButtons::YesNo,
              MessageAnswer::No},
             QMessageBox::Warning,
             QMessageBox::Yes | QMessageBox::No,
             QMessageBox::No,
             QMessageBox::Yes,
             MessageAnswer::Yes},
        };
        for (const Case& c : cases) {
            bool inspected = false;
            onNextModal([&](QWidget* widget) {
                auto* box = qobject_cast<QMessageBox*>(widget);
                QCOMPARE(box->windowTitle(), QString::fromStdString(c.message.title));
                QCOMPARE(box->icon(), c.icon);
                QCOMPARE(box->standardButtons(), c.buttons);
                QCOMPARE(box->defaultButton(), box->button(c.defaultButton));
                if (c.message.title == "Save changes") {
                    QCOMPARE(box->text(), QStringLiteral("A\n\nB é\nC"));
                }
                inspected = true;
                box->button(c.press)->click();
            });
            QCOMPARE(program_->prompter().show(c.message), c.answer);
            QVERIFY(inspected);
        }
    }

    void preferencesAskBeforeClosingAndSaveWritesTheFile() {
        QString question;
        onNextModal([&](QWidget* widget) {
            auto* dialog = qobject_cast<PreferencesFormDialog*>(widget);
            dialog->field(2)->setFocus();
            QTest::keyClicks(dialog->field(2), QStringLiteral("/x"));
            dialog->field(1)->setFocus(); // leaving the field marks the change
            onNextModal(
                [&](QWidget* box) {
                    question = box->windowTitle();
                    pressButton(box, QMessageBox::Yes); // saves, the window stays
                },
                dialog);
            dialog->close();
            QVERIFY(dialog->isVisible());
            dialog->close(); // nothing typed since the save: closes without asking
        });
        program_->mainWindow().toolbarAction("PREFERENCE")->trigger();

        QCOMPARE(question, QStringLiteral("Save changes"));
        QFile ini(programDirectory_.filePath(QStringLiteral("torval.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const std::string temp = state_.AppSettings.TempDataPath;
        QVERIFY(temp.ends_with("/x"));
        QVERIFY(ini.readAll().contains(QByteArray::fromStdString("TemporaryDataPath=" + temp)));
    }

    void helpOpensTheMonteCarloTopicAndTheIndex() {
        program_->mainWindow()
            .menuAction(MainMenu::Help, MainHelpItem::MonteCarloSimulation)
            ->trigger();
        HelpWindow* help = program_->helpWindow();
        QVERIFY(help != nullptr && help->isVisible());
        QVERIFY(help->browser()->source().path().endsWith(QStringLiteral("montecarlo.html")));
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Lognormal")));
        QVERIFY(help->contentsList()->count() >= 9);

        QTest::keyClicks(help->indexSearch(), QStringLiteral("tav"));
        QCOMPARE(help->indexList()->currentItem()->text(), QStringLiteral("Tavg"));
        QVERIFY(help->browser()->source().path().endsWith(QStringLiteral("pathways.html")));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
