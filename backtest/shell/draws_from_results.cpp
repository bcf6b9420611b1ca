#include "draws_from_results.h"

#include "field_map.h"
#include "game_profile.h"
#include "main_form.h"
#include "number_text.h"
#include "older_draw_numbers.h"
#include "results_files_choice.h"

#include <algorithm>

namespace {

const QString kClipboard = QStringLiteral("クリップボード");

QString drawName(int number) {
    return QStringLiteral("第%1回").arg(number);
}

void tell(MainForm& window, const QString& text) {
    window.dialogs.message(EnterFromResultsCaption, text, MessageIcon::Stop, MessageButtons::Ok);
}

// Only boxes that hold something and would change are worth a question: filling empty rows,
// or the same draws again, loses nothing the player typed.
bool replacesEnteredText(const Form& form, const std::vector<std::pair<QString, QString>>& texts) {
    return std::any_of(texts.begin(), texts.end(), [&form](const auto& boxAndText) {
        const QString now = form.text(boxAndText.first).trimmed();
        return !now.isEmpty() && now != boxAndText.second;
    });
}

} // namespace

std::map<int, KnownDraw> enteredDraws(const MainForm& window) {
    std::map<int, KnownDraw> draws;
    const double latest = numericValue(window.form.text(drawNumberBoxOfRow(1)));
    if (latest < 3 || latest > 999999)
        return draws;
    for (int row = 1; row <= 3; ++row) {
        QStringList texts;
        for (const QString& box : numberBoxesOfRow(window.profile, row))
            texts << window.form.text(box);
        if (std::optional<KnownDraw> draw = knownDraw(window.profile, texts))
            draws[static_cast<int>(latest) - (row - 1)] = std::move(*draw);
    }
    return draws;
}

std::variant<NewestDraws, QString> newestThreeDraws(const std::map<int, KnownDraw>& source,
                                                    const std::map<int, KnownDraw>& entered) {
    if (source.empty())
        return QStringLiteral("結果に抽選がありません。");
    NewestDraws newest;
    newest.latest = source.rbegin()->first;
    QStringList missing;
    for (int step = 0; step < 3; ++step) {
        const int number = newest.latest - step;
        if (const auto found = source.find(number); found != source.end())
            newest.newestFirst[step] = found->second;
        else if (const auto typed = entered.find(number); typed != entered.end())
            newest.newestFirst[step] = typed->second;
        else
            missing << drawName(number);
    }
    if (missing.isEmpty())
        return newest;
    return QStringLiteral("結果にも入力欄にも%1の抽選がありません。\n"
                          "入力するには%2から%3までの 3 回が続けて要ります。"
                          "入力欄は変わっていません。")
        .arg(missing.join(u'と'), drawName(newest.latest - 2), drawName(newest.latest));
}

std::vector<std::pair<QString, QString>> typedTexts(const GameProfile& profile,
                                                    const NewestDraws& draws) {
    std::vector<std::pair<QString, QString>> texts;
    for (int row = 1; row <= 3; ++row) {
        const KnownDraw& draw = draws.newestFirst[row - 1];
        std::vector<int> numbers = draw.main;
        if (profile.BonusCount > 0)
            numbers.push_back(draw.bonus);
        const QStringList boxes = numberBoxesOfRow(profile, row);
        for (qsizetype slot = 0; slot < boxes.size(); ++slot)
            texts.emplace_back(boxes[slot], QString::number(numbers[slot]));
    }
    texts.emplace_back(drawNumberBoxOfRow(1), QString::number(draws.latest));
    return texts;
}

void enterDrawsFromResults(MainForm& window, const ResultsFile& results, const QString& source) {
    if (results.error) {
        tell(window, QStringLiteral("この結果は使えません。\n%1\n%2").arg(source, *results.error));
        return;
    }
    const std::variant<NewestDraws, QString> chosen =
        newestThreeDraws(results.draws, enteredDraws(window));
    if (const QString* problem = std::get_if<QString>(&chosen)) {
        tell(window, *problem);
        return;
    }
    const NewestDraws& draws = std::get<NewestDraws>(chosen);
    const std::vector<std::pair<QString, QString>> texts = typedTexts(window.profile, draws);
    if (replacesEnteredText(window.form, texts) &&
        window.dialogs.message(EnterFromResultsCaption,
                               QStringLiteral("入力欄の数字を%1から%2までの抽選で置き換えますか?")
                                   .arg(drawName(draws.latest - 2), drawName(draws.latest)),
                               MessageIcon::Question, MessageButtons::YesNo) != Answer::Ok)
        return;
    for (const auto& [box, text] : texts)
        window.form.setText(box, text);
    showOlderDrawNumbers(window, draws.latest, window.profile.loadedOlderDrawNumbers);
}

void enterDrawsFromText(MainForm& window, const QString& text) {
    if (text.trimmed().isEmpty()) {
        tell(window, QStringLiteral("クリップボードに文字がありません。\n"
                                    "結果のページで表や抽選の行を選んでコピーしてから、"
                                    "もう一度選んでください。"));
        return;
    }
    enterDrawsFromResults(window, parseResultsFile(window.profile, text.toUtf8()), kClipboard);
}

void enterDrawsFromFiles(MainForm& window, const QStringList& paths) {
    enterDrawsFromResults(window, readResultsFiles(window.profile, paths), resultsFilesName(paths));
}
