#include "screens/exchange/QuizPage.h"

#include "app/Messages.h"
#include "screens/activities/ScoreRules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The words of the results and review screens come from their own rules, so the page can
// never score or word a result differently from the program.
QJsonObject quizData(const WorksheetContent& worksheet, const QString& subject) {
    QJsonArray questions;
    for (int q = 0; q < QuestionCount; ++q) {
        const QuestionEntry& entry = worksheet.questions[q];
        QJsonArray answers;
        for (const QString& answer : entry.answers)
            answers.append(answer);
        questions.append(QJsonObject{
            {QStringLiteral("heading"), QStringLiteral("Question") + numberText(q + 1)},
            {QStringLiteral("text"), entry.text},
            {QStringLiteral("answers"), answers},
            {QStringLiteral("correct"), entry.correct},
            {QStringLiteral("review"), numberText(q + 1) + QStringLiteral(". ") + entry.text}});
    }
    QJsonArray messages;
    for (int score = 0; score <= QuestionCount; ++score)
        messages.append(ScoreRules::message(score, QuestionCount));
    return {{QStringLiteral("title"), worksheet.title},
            {QStringLiteral("subject"), subject},
            {QStringLiteral("questions"), questions},
            {QStringLiteral("messages"), messages}};
}

const char* const style = R"(
body { background: #004e98; color: #ffff00; font-family: Tahoma, Verdana, sans-serif; margin: 1em 2em; }
h1 { text-align: center; font-size: 2.2em; margin: 0.2em; }
#top { display: flex; justify-content: space-between; align-items: center; }
#subject { color: #00ff00; font: 1.6em "Times New Roman", serif; text-align: center; }
#title { color: #8080ff; font: 1.6em "Times New Roman", serif; text-align: center; }
#picture { max-width: 40%; }
#heading { font: 1.6em "Times New Roman", serif; }
#question { font: 2em "Times New Roman", serif; text-align: center; margin: 0.5em 0; }
label { display: block; color: #ffffff; font: 1.4em "Times New Roman", serif; margin: 0.3em 2em; }
button { background: #002b55; border: 2px solid #ffffff; border-radius: 6px; color: #ffffff; font: bold 1.2em Tahoma, sans-serif; padding: 0.3em 0.8em; margin: 0.2em; cursor: pointer; }
button:hover { background: #ffffff; color: #004e98; }
:focus-visible, button:focus { outline: 4px solid #ffff00; outline-offset: 3px; }
input[type=radio] { width: 1.1em; height: 1.1em; }
#message { font: 1.6em "Times New Roman", serif; text-align: center; }
#wrong li { list-style: none; color: #ffffff; font: bold 1.2em Tahoma, sans-serif; }
[hidden] { display: none !important; }
)";

const char* const script = R"(
const data = JSON.parse(document.getElementById('data').textContent);
const last = data.questions.length;
const marks = new Array(last + 1).fill(0);
let current = 1;
const $ = (id) => document.getElementById(id);
function show() {
  const q = data.questions[current - 1];
  $('heading').textContent = q.heading;
  $('question').textContent = q.text;
  for (let a = 1; a <= 4; ++a) {
    $('a' + a).checked = false;
    $('t' + a).textContent = q.answers[a - 1];
  }
  $('previous').hidden = current === 1;
  $('next').textContent = current === last ? 'Check Score >>' : 'Next Question >>';
}
function chosen() {
  for (let a = 1; a <= 4; ++a) if ($('a' + a).checked) return a;
  return 0;
}
function finish() {
  const score = marks.reduce((sum, mark) => sum + mark, 0);
  $('quiz').hidden = true;
  $('results').hidden = false;
  $('message').textContent = data.messages[score];
  const list = $('wrong');
  for (let n = 1; n <= last; ++n) {
    if (marks[n] === 0) {
      const line = document.createElement('li');
      line.textContent = data.questions[n - 1].review;
      list.appendChild(line);
    }
  }
  $('review').hidden = score === last;
}
$('previous').onclick = () => { if (current > 1) { --current; show(); } };
$('next').onclick = () => {
  marks[current] = chosen() === data.questions[current - 1].correct ? 1 : 0;
  if (++current <= last) show(); else finish();
};
$('again').onclick = () => { location.reload(); };
document.title = data.title;
$('subject').textContent = data.subject;
$('title').textContent = data.title;
show();
)";

QString jsonForScript(const QJsonObject& data) {
    // "</script" would end the data block early and "<!--" start a comment that swallows what
    // follows; with no '<', '>' or '&' left in it no text can do either. JSON reads the escapes
    // as the same characters.
    return QString::fromUtf8(QJsonDocument(data).toJson(QJsonDocument::Compact))
        .replace(QLatin1Char('<'), QStringLiteral("\\u003c"))
        .replace(QLatin1Char('>'), QStringLiteral("\\u003e"))
        .replace(QLatin1Char('&'), QStringLiteral("\\u0026"));
}

} // namespace

namespace QuizPage {

QByteArray page(const WorksheetContent& worksheet, const QByteArray& jpeg, const QString& subject) {
    const QString picture =
        jpeg.isEmpty()
            ? QString()
            : QStringLiteral("<img id=\"picture\" alt=\"\" src=\"data:image/jpeg;base64,%1\">")
                  .arg(QString::fromLatin1(jpeg.toBase64()));
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; img-src data:; "
        "style-src 'unsafe-inline'; script-src 'unsafe-inline'\">\n"
        "<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n<h1>Multiple Choice</h1>\n"
        "<div id=\"top\"><div><div id=\"subject\"></div><div id=\"title\"></div></div>%3</div>\n"
        "<main id=\"quiz\">\n<div id=\"heading\"></div>\n<div id=\"question\"></div>\n");
    html = html.arg(worksheet.title.toHtmlEscaped(), QString::fromUtf8(style), picture);
    for (int a = 1; a <= 4; ++a)
        html += QStringLiteral("<label><input type=\"radio\" name=\"answer\" id=\"a%1\"> "
                               "<span id=\"t%1\"></span></label>\n")
                    .arg(a);
    html += QStringLiteral(
        "<p><button id=\"previous\">&lt;&lt; Previous Question</button> "
        "<button id=\"next\">Next Question &gt;&gt;</button></p>\n</main>\n"
        "<section id=\"results\" hidden>\n<p id=\"message\"></p>\n<div id=\"review\">\n"
        "<p>You answered the following questions incorrectly.</p>\n<ul id=\"wrong\"></ul>\n"
        "<p>Read these questions again, then press Try Again.</p>\n</div>\n"
        "<p><button id=\"again\">Try Again</button></p>\n</section>\n");
    html += QStringLiteral("<script id=\"data\" type=\"application/json\">") +
            jsonForScript(quizData(worksheet, subject)) + QStringLiteral("</script>\n<script>") +
            QString::fromUtf8(script) + QStringLiteral("</script>\n</body>\n</html>\n");
    return html.toUtf8();
}

} // namespace QuizPage
