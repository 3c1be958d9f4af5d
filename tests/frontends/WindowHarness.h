#pragma once

#include "MainWindow.h"
#include "Prompts.h"
#include "ResultAlert.h"

#include <QList>
#include <QUrl>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace crestmap::test {

/// Answers the window's dialogs from a script, and keeps what it was asked to show or open.
class ScriptedPrompts final : public Prompts {
public:
    std::deque<QList<QUrl>> fileAnswers;
    std::deque<QUrl> folderAnswers;
    std::function<void()> whileChoosing;
    PlanChoice planAnswer = PlanChoice::UpdateOwnStyles;
    AlertAnswer alertAnswer = AlertAnswer::Ok;
    bool quitAnswer = true;
    std::vector<QString> quitQuestions;
    std::vector<crestmap::PackPlan> plans;
    std::vector<ResultAlert> alerts;
    QList<QUrl> opened;
    bool nothingOpens = false; ///< as on a desktop with no program for the file
    int dialogsShown = 0;

    QList<QUrl> chooseImageFiles(QWidget*) override
    {
        ++dialogsShown;
        if (whileChoosing) {
            whileChoosing();
        }
        return take(fileAnswers, {});
    }
    QUrl chooseFolder(QWidget*) override { return ++dialogsShown, take(folderAnswers, {}); }
    PlanChoice choosePlan(QWidget*, const crestmap::PackPlan& plan, const QString&) override
    {
        plans.push_back(plan);
        return planAnswer;
    }
    AlertAnswer showResultAlert(QWidget*, const ResultAlert& alert) override
    {
        alerts.push_back(alert);
        return alertAnswer;
    }
    bool confirmQuit(QWidget*, const QString& progress) override
    {
        quitQuestions.push_back(progress);
        return quitAnswer;
    }
    void open(const QUrl& url, const std::function<void()>& failed) override
    {
        opened << url;
        if (nothingOpens) {
            failed();
        }
    }
    void showInFolder(const QString&, const std::function<void()>&) override {}

private:
    template <typename T> static T take(std::deque<T>& answers, T otherwise)
    {
        if (!answers.empty()) {
            otherwise = answers.front();
            answers.pop_front();
        }
        return otherwise;
    }
};

} // namespace crestmap::test
