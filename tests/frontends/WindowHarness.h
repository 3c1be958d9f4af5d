#pragma once

#include "Desktop.h"
#include "MainWindow.h"
#include "Prompts.h"
#include "ResultAlert.h"
#include "ResultsModel.h"
#include "ResultsPanel.h"
#include "ResultsProxy.h"
#include "ResultsView.h"
#include "TestSupport.h"
#include "UndoRecorder.h"
#include "WindowWords.h"
#include "WriteController.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace crestmap {

// A failed comparison of facts shows their words.
inline void PrintTo(const Fact& fact, std::ostream* out)
{
    *out << WindowWords::facts({fact}).toStdString();
}

} // namespace crestmap

namespace crestmap::test {

/// Answers the window's dialogs from a script, and keeps what it was asked.
class ScriptedPrompts final : public Prompts, public Desktop {
public:
    std::deque<QList<QUrl>> fileAnswers;
    std::deque<QUrl> folderAnswers;
    std::function<void()> whileAsked; ///< runs inside each question, as a nested loop would
    StyleChoice planAnswer = StyleChoice::UpdateOwnStyle;
    StyleChoice keepAnswer = StyleChoice::UpdateOwnStyle;
    bool forceAnswer = false;
    bool quitAnswer = true;
    std::vector<QString> questions; ///< every question, in the words it was asked
    std::vector<crestmap::PackPlan> plans;
    std::vector<bool> undoPromised; ///< by each question before a write, whether Undo is
    std::vector<ResultAlert> alerts;
    QStringList dialogs; ///< "browse", or write or check and where the folder dialog started
    std::optional<Opening> openTrouble; ///< as on a desktop with no program for the file

    QList<QUrl> chooseImageFiles(QWidget*) override
    {
        dialogs << "browse";
        asked({});
        return take(fileAnswers);
    }
    QUrl chooseFolder(QWidget*, bool checking, const QString& start) override
    {
        dialogs << (checking ? "check " : "write ") + start;
        return take(folderAnswers);
    }
    StyleChoice choosePlan(QWidget*, const crestmap::PackPlan& plan, crestmap::StylePair,
                           bool undoable) override
    {
        plans.push_back(plan);
        undoPromised.push_back(undoable);
        asked({});
        return planAnswer;
    }
    StyleChoice chooseKeep(QWidget*, const QString& config, const crestmap::MappingScan&,
                           std::optional<crestmap::StylePair> own, crestmap::StylePair,
                           bool undoable) override
    {
        undoPromised.push_back(undoable);
        asked(config + (own ? " maps its own style" : " is cut short"));
        return keepAnswer;
    }
    bool confirmUndo(QWidget*, const QString& question) override
    {
        asked(question);
        return true;
    }
    bool confirmForce(QWidget*, const QStringList& files, std::size_t made) override
    {
        asked("force " + files.join(", ") + (made > 0 ? QString(" (%1 made)").arg(made) : ""));
        return forceAnswer;
    }
    AlertAnswer showResultAlert(QWidget*, const ResultAlert& alert) override
    {
        alerts.push_back(alert);
        return AlertAnswer::Ok;
    }
    bool confirmQuit(QWidget*, const QString& question, bool foldersLeft) override
    {
        asked(question + (foldersLeft ? "" : " (none left)"));
        return quitAnswer;
    }
    void showText(QWidget*, const QString& title, const QString&) override { asked(title); }
    void open(const QString&, const std::function<void(Opening)>& trouble) override
    {
        if (openTrouble) {
            trouble(*openTrouble);
        }
    }
    void showInFolder(const QString&, const std::function<void(Opening)>&) override {}

private:
    void asked(const QString& question)
    {
        if (!question.isEmpty()) {
            questions.push_back(question);
        }
        if (whileAsked) {
            whileAsked();
        }
    }
    template <typename T> static T take(std::deque<T>& answers)
    {
        if (answers.empty()) {
            return {};
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The status line as it reads, without the places it may wrap.
inline QString statusText(const QWidget& window)
{
    auto* line = window.findChild<QLabel*>(QStringLiteral("statusText"));
    return line == nullptr ? QString() : line->text().remove(QChar(0x200b));
}

inline QUrl urlOf(const std::string& path)
{
    return QUrl::fromLocalFile(QString::fromStdString(path));
}

// A path as the window shows it, with the system's separators.
inline QString native(const std::string& path)
{
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

// Checks of a text that show the whole of it when they fail.
inline ::testing::AssertionResult reads(bool holds, const QString& text)
{
    return holds ? ::testing::AssertionSuccess()
                 : ::testing::AssertionFailure() << '"' << text.toStdString() << '"';
}
inline ::testing::AssertionResult startsWith(const QString& text, const QString& start)
{
    return reads(text.startsWith(start), text);
}
inline ::testing::AssertionResult endsWith(const QString& text, const QString& end)
{
    return reads(text.endsWith(end), text);
}
inline ::testing::AssertionResult holds(const QString& text, const QString& part)
{
    return reads(text.contains(part), text);
}
inline ::testing::AssertionResult holds(const QStringList& lines, const QString& line)
{
    return reads(lines.contains(line), lines.join('\n'));
}

// Writes `folder` (and the folders below it, when `recursive`) as the command line does,
// journal and all.
inline bool writeAsTheCli(const std::string& folder, bool recursive = false)
{
    WriteTally tally;
    UndoRecorder journal(tally, "crestmap-cli", folder);
    PackRequest request;
    request.recursive = recursive;
    return writePack(folder, request, journal) && journal.seal();
}

// Runs `read` on the message box the next question opens, then answers it with Escape.
inline void answerBox(const std::function<void(QMessageBox&)>& read)
{
    QTimer::singleShot(0, [read] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        read(*box);
        box->escapeButton()->click();
    });
}

// What the message box that `ask` opens says, its text's lines then its body's; answered with
// Escape.
inline QStringList boxSays(const std::function<void()>& ask)
{
    QStringList said;
    answerBox([&said](QMessageBox& box) {
        said = box.text().split('\n') + box.informativeText().split('\n');
    });
    ask();
    return said;
}

/// The real window with scripted dialogs and a folder of its own, and what tests do with it.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    template <typename T> T* child(const char* name)
    {
        T* found = m_window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Near the left edge: a radio button only takes clicks on its indicator and label.
    void click(const char* name)
    {
        auto* button = child<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    // A real drag-enter event, then the drop, on the drop area unless said otherwise; true when
    // the drop was accepted.
    bool dropUrls(const QList<QUrl>& urls, QWidget* target = nullptr, bool* entered = nullptr)
    {
        QMimeData mime;
        mime.setUrls(urls);
        target = target != nullptr ? target : child<QWidget>("folderDragView");
        const QPoint centre = target->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (entered != nullptr) {
            *entered = enter.isAccepted();
        }
        QDropEvent dropped(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    }

    // The title and body of each alert shown, in order.
    QStringList alerts()
    {
        QStringList texts;
        for (const ResultAlert& alert : m_prompts.alerts) {
            texts << alert.messageText << alert.informativeText;
        }
        return texts;
    }

    // Waits until nothing runs and `alertCount` alerts have been shown.
    void settle(std::size_t alertCount = 0)
    {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return m_prompts.alerts.size() >= alertCount && !m_window.writer().busy(); },
            20000));
    }

    const ResultAlert& lastAlert() { return m_prompts.alerts.back(); }
    QString status() { return test::statusText(m_window); }
    // The progress line's text, and whether its bar moves beside it.
    QString progressShown()
    {
        return child<QLabel>("writeProgress")->text() +
               (child<QWidget>("writeProgressBar")->isVisible() ? " (a bar)" : "");
    }
    ResultsPanel& panel() { return *child<ResultsPanel>("resultsPanel"); }
    QAbstractItemModel& results() { return panel().proxy(); }
    // The facts of the report the list shows: what its summary words.
    const std::vector<Fact>& facts() { return panel().model().report().facts; }

    // Each row of the results as "image | picture or reason", in view order.
    QStringList rows()
    {
        QStringList texts;
        for (int row = 0; row < results().rowCount(); ++row) {
            texts << results().index(row, 0).data().toString() + " | " +
                         results().index(row, 1).data().toString();
        }
        return texts;
    }

    // Drops a folder, with or without its sub-folders, and waits for the write's alert.
    void write(const std::string& folder, bool subfolders = false)
    {
        child<QAbstractButton>("includeSubfolders")->setChecked(subfolders);
        const std::size_t before = m_prompts.alerts.size();
        ASSERT_TRUE(dropUrls({urlOf(folder)}));
        settle(before + 1);
    }

    // Checks `folder` with its sub-folders, as Check Folder does, and waits for the list.
    void check(const std::string& folder)
    {
        child<QAbstractButton>("includeSubfolders")->setChecked(true);
        m_prompts.folderAnswers.push_back(urlOf(folder));
        QTest::keyClick(&m_window, Qt::Key_K, Qt::ControlModifier);
        settle();
    }

    // Whether the list comes to show `row`, as "image | picture or reason".
    ::testing::AssertionResult showsRow(const QString& row)
    {
        (void)QTest::qWaitFor([&] { return rows().contains(row); });
        return holds(rows(), row);
    }

    // Writes `folder` as the folder dialog's answer to Write Folder; false when nothing was said.
    bool writeChosen(const std::string& folder)
    {
        m_prompts.folderAnswers.push_back(urlOf(folder));
        const std::size_t before = m_prompts.alerts.size();
        click("writeFolderButton");
        settle();
        return m_prompts.alerts.size() > before;
    }

    ScriptedPrompts m_prompts;
    MainWindow m_window{m_prompts, m_prompts};
    TempDir m_dir;
};

} // namespace crestmap::test
