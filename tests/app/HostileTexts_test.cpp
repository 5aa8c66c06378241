// Texts from listings, the file system and the user are shown as they are.
#include "support/GuiTestSupport.h"

#include "app/CatalogTreeModel.h"
#include "print/ui/Frmaddfilter.h"
#include "print/ui/Frmprintpreview.h"
#include "scan/ui/Frmaddnew.h"
#include "scan/ui/Frmadding.h"
#include "scan/ui/Frmprops.h"
#include "scan/ui/Formrename.h"
#include "search/ui/Frmlistproperties.h"
#include "search/ui/Frmsearch.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include <sys/stat.h>

using namespace rkm;
using namespace rkm::test;

namespace {

const QString HOSTILE = QStringLiteral("<img src=\"/usr/share/pixmaps/debian-logo.png\"><b>BOLD</b>");

// What a reader that guesses markup shows of a text.
QString AsShown(const QString &text, Qt::TextFormat format = Qt::AutoText)
{
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text)))
        return text;
    QTextDocument doc;
    doc.setHtml(text);
    return doc.toPlainText();
}

} // namespace

class HostileTextsTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxesDialogsAndToolTipsShowTheTextAsItIs()
    {
        setPrompter(nullptr); // the desktop's own message boxes
        QString shown;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            shown = AsShown(box->text(), box->textFormat());
            box->button(QMessageBox::Ok)->click();
        });
        prompter().message(nullptr, QMessageBox::Warning, QStringLiteral("Rackmere"), HOSTILE, QMessageBox::Ok);
        QCOMPARE(shown, HOSTILE);

        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.push_back(std::make_unique<TfrmListProperties>());
        dialogs.push_back(std::make_unique<TfrmProps>());
        dialogs.push_back(std::make_unique<TfrmAdding>());
        dialogs.push_back(std::make_unique<TfrmAddNew>());
        dialogs.push_back(std::make_unique<TFormRename>());
        dialogs.push_back(std::make_unique<TfrmSearch>());
        dialogs.push_back(std::make_unique<TfrmAddFilter>());
        dialogs.push_back(std::make_unique<TfrmPrintPreview>());
        for (const auto &d : dialogs)
            for (const QLabel *label : d->findChildren<QLabel *>())
                QVERIFY2(label->textFormat() == Qt::PlainText,
                         qPrintable(QString::fromLatin1(d->metaObject()->className()) + "::" + label->objectName()));

        Catalog tree;
        TreeNode *disk = tree.appendDisk(MakeDiskNode(HOSTILE.toStdString()));
        AddFile(disk, HOSTILE.toStdString(), HOSTILE.toStdString());
        CatalogTreeModel model(tree);
        FileGridModel grid;
        grid.setNode(disk);
        for (const QVariant &tip :
             {model.data(model.index(0, 0, {}), Qt::ToolTipRole), grid.data(grid.index(0, 0), Qt::ToolTipRole),
              grid.data(grid.index(0, 1), Qt::ToolTipRole)})
            QCOMPARE(AsShown(tip.toString()), HOSTILE);
    }

    // The dialog refuses a path out of the listing's root and asks before it
    // runs a program (the paths themselves: Launch_test).
    void launchRefusesOrAsks()
    {
        TempDir tmp;
        WriteBytes(tmp.file("disk/run.sh"), "#!/bin/sh\n");
        ::chmod(tmp.file("disk/run.sh").c_str(), 0755);
        WriteBytes(tmp.file("outside.txt"), "out");
        const struct {
            std::string name;
            QMessageBox::StandardButton answer;
            const char *told;
        } cases[] = {{"../outside.txt", QMessageBox::Ok, "lies outside the listing's folder"},
                     {"run.sh", QMessageBox::No, "opening it runs it"},
                     {"run.sh", QMessageBox::Yes, "opening it runs it"}};
        for (const auto &c : cases) {
            QueuedPrompter p;
            p.answers.enqueue(c.answer);
            TfrmListProperties d;
            d.setEntry({c.name, "", "", "", ""}, {}, tmp.file("disk"));
            d.setRootPath(tmp.file("disk"));
            d.show();
            Find<QPushButton>(&d, "cmdLaunch")->click();
            QCOMPARE(p.messages().size(), 1);
            QVERIFY2(p.messages()[0].text.contains(c.told), qPrintable(p.messages()[0].text));
            QCOMPARE(p.count(QueuedPrompter::OpenUrl), c.answer == QMessageBox::Yes ? 1 : 0);
        }
    }
};

QTEST_MAIN(HostileTextsTest)
#include "HostileTexts_test.moc"
