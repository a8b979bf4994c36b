#include "journey/diary_texts.h"

#include <algorithm>

#include "game/language.h"

namespace korvalin {

namespace {

// In the order of the Direction values, North first.
// clang-format off
constexpr auto DirectionTable = std::to_array<DirectionTexts>({
    // North
    {.vehicle = {
         "　　トラックの荷台に乗せてもらう。",
         "　　乗用車に便乗。",
         "　　オンボロ車に乗せてもらう。尻が痛い。",
         "　　かっこいいオープンカーに乗せてもらう。ラッキー。",
         "　　小型トラックの荷台に乗せてもらう。",
         "　　ホモのにいちゃんのトラックの助手席。悲惨・・・",
         "　　旅芸人のトラックに乗せてもらう。",
         "　　引っ越しトラックの荷台に乗せてもらったが、あやうくタンスの下敷きになるとこだった。",
         "　　トラックの荷台に乗せてもらう。幌付きなんで多少まし。",
         "　　ヒッチハイク成功。でもトラックの荷台。"},
     .climbing = "　　山登り・・・疲れた",
     .ship = {"　　乗船。波が高く、最悪の船酔い。",
              "　　乗船。鏡のような海だ。"},
     .normal = {
         .walking = {"　　ヒッチハイク出来ず。野宿。",
                     "　　ヒッチハイク出来ず。"},
         .horse = "　　終日馬上の人。けつが痛い。",
         .camel = "　　月の砂漠を・・・。",
         .christmas = "　　クリスマスだー！",
         .newYear = "　　げ、旅先で正月を迎えてしまった。"},
     .refused = {
         .walking = {"　　車一台も通らず。歩きっぱなし。",
                     "　　ヒッチハイク出来ず。野宿。"},
         .horse = "　　１日中人っこ一人見かけず。汗血馬よ走れ。",
         .camel = "　　月の砂漠を・・・はあるーばあるうとお。",
         .christmas = "　　異国のクリスマスもおつなもんだ。",
         .newYear = "　　東の空に向かって大声で「あけましておめでとう」。"}},
    // South
    {.vehicle = {
         "　　トラックの荷台に乗せてもらう。あまりに揺れるんで、座ってられない。",
         "　　カップルの乗用車に便乗。",
         "　　霊柩車に乗せてもらう。むちゃくちゃ厳か、南無阿弥陀仏。",
         "　　かっこいいアメ車に乗せてもらう。超ラッキー。",
         "　　小型トラックの荷台に乗せてもらう。ガソリン臭い。",
         "　　化粧した髭面にいちゃんのトラックの助手席。震えが止まらない・・・",
         "　　サーカスのケバケバトラックに乗せてもらう。",
         "　　軍用トラックの荷台に乗せてもらう。機関銃を枕に熟睡。",
         "　　トラックの荷台に乗せてもらう。荷物が何もないんで、妙に寂しい。",
         "　　藁を積んだトラックの荷台に乗せてもらう。動物園の臭い。"},
     .vehicle7BesideJapan = "　　宅急便の助手席に乗せてもらう。途中、配達を手伝わされた。",
     .climbing = "　　山登り。疲労困憊。",
     .ship = {"　　クウィーンエリザベス号・・・には、ほど遠いボロ船に乗船。滅茶苦茶揺れ、地獄の船酔い。",
              ""},
     .normal = {
         .walking = {"　　車が止まってくれないよー。",
                     "　　ヒッチハイク出来ず。野宿。"},
         .horse = "　　馬って気持ちいい。でもけつが痛い。",
         .camel = "　　ラクダに乗りっぱなし。結構、揺れる。",
         .christmas = "　　メリークリスマス。独り言じゃむなしいよ",
         .newYear = "　　旅先で正月を迎えてしまった。雑煮が食いたい。誰かお年玉でもくれー。"},
     .refused = {
         .walking = {"　　ヒッチハイク失敗。足にマメができた。",
                     "　　ヒッチハイク出来ず。野宿。"},
         .horse = "　　終日馬上。パカパカ・・・",
         .camel = "　　単調な砂漠の景色に眠くなる。",
         .christmas = "　　あああクリスマスだー！",
         .newYear = "　　旅先で新年を迎えてしまった。初日の出を拝む。"}},
    // West
    {.vehicle = {
         "　　鶏を積んだトラックの荷台に乗せてもらう。こいつらの運命になんだか共感するよ。",
         "　　ドアのない乗用車に便乗。",
         "　　オンボロ高級車に乗せてもらう。尾てい骨が痛い。",
         "　　レトロなオープンカーに乗せてもらう。ラッキーだね。",
         "　　小型トラックの荷台に乗せてもらう。豚臭い。",
         "　　ホモのにいちゃんのトラックの助手席。オレの膝の上でもいいぜって言われたけど、遠慮したんだ。",
         "　　無口な旅芸人のトラックに乗せてもらう。",
         "　　けばいトラックの荷台に乗せてもらう。",
         "　　トラックの荷台に乗せてもらう。信号無視でとばす、とばす。",
         "　　家財道具を積んだトラックの荷台に乗せてもらう。夜逃げだそうだ。"},
     .climbing = "　　山登りだ・・・フー疲れた",
     .ship = {"　　船とは名ばかり、ボートに毛の生えた代物に乗った。波が高く、死ぬかと思った。",
              "　　一応豪華客船に乗船。おまけに鏡のような海。"},
     .normal = {
         .walking = {"　　車止まらず。ヒッチハイクになんないよ。",
                     "　　ヒッチハイク出来ず。野宿。"},
         .horse = "　　終日馬上の人。疲れた。",
         .camel = "　　砂漠の夕日が綺麗だった。",
         .christmas = "　　そうか、今日はクリスマスなんだ。",
         .newYear = "　　正月か・・・こたつの上で丸くなってたタマを思い出した。"},
     .refused = {
         .walking = {"　　ヒッチハイクままならず。星を見ながら野宿。",
                     "　　ヒッチハイク出来ず。野宿。"},
         .horse = "　　馬と一緒に寝た。",
         .camel = "　　ラクダの腹を枕に、星の毛布で寝た。",
         .christmas = "　　もうクリスマスか。",
         .newYear = "　　げげ、旅先で新年を迎えてしまった。"}},
    // East
    {.vehicle = {
         "　　美人ドライバーの運転するトラックの荷台に乗せてもらう。埃まみれの香水の匂い。",
         "　　不審なアベックの乗用車に便乗。",
         "　　オンボロ車に乗せてもらう。運ちゃんは殆ど裸。",
         "　　タンクローリーに乗せてもらう。妙に興奮した。",
         "　　ひまわりを積んだ小型トラックの荷台に乗せてもらう。",
         "　　ホモのカップルのトラックの助手席。悲惨・・・",
         "　　中年旅芸人のトラックに乗せてもらう。人生は旅だなあ。",
         "　　猫を満載したトラックの荷台に乗せてもらう。白髪のおばさんが運転していた。",
         "　　ゼブラ模様のトラックの荷台に乗せてもらう。シマウマは積んでいなかった。",
         "　　トラックの荷台に乗せてもらう。先客が二人いたけど、あまり喋らない。"},
     .climbing = "　　坂道ばかり・・・疲れた",
     .ship = {"　　乗船、つまり船に乗った。波が高く、身の毛がよだつ。",
              "　　乗船。あっけないほど静かな海だ。"},
     .normal = {
         .walking = {"　　歩き通し。マメがウロコに変わった",
                     "　　ヒッチハイク出来ず。野宿。"},
         .horse = "　　一日中馬の上。節々が痛い。",
         .camel = "　　月の砂漠って、あまりロマンチックじゃない。",
         .christmas = "　　クリスマスツリーを食べてる夢を見た。",
         .newYear = "　　正月だ。来年は絶対コタツの中！"},
     .refused = {
         .walking = {"　　ヒッチハイク出来ず。自信喪失。",
                     "　　ヒッチハイク出来ず。野宿。"},
         .horse = "　　馬上の人。痔になりそう。",
         .camel = "　　砂漠、砂漠、砂漠・・・一面の砂。",
         .christmas = "　　クリスマス、え、それがどうした。",
         .newYear = "　　げげげ、旅先で正月を迎えてしまった。"}},
});
// clang-format on

static_assert(DirectionTable.size() == 4);

// Indexed by [first loss][heading abroad].
// clang-format off
constexpr std::string_view PassportLossLines[2][2] = {
    {
        "　　情けない。またパスポートをなくしてしまった。取りあえず日本大使館のある首都に向かう。トホホ。",
        "　　やれやれ、またパスポートをなくしてしまった。やむなく日本大使館のある首都に戻ることにする。トホホ。",
    },
    {
        "　　何てこった、パスポートをなくしてしまった。取りあえず日本大使館のある首都に向かう。トホホ。",
        "　　何てこった、パスポートをなくしてしまった。やむなく日本大使館のある首都に戻ることにする。トホホ。",
    },
};
// clang-format on

// By Barrier.
constexpr std::string_view TurnedBackLines[] = {
    "　　海だ。この道筋に船は出ていない。引き返す。",
    "　　この山は自分の足でしか越えられない。引き返す。",
    "　　国境で追い返された。この国のビザは持っていない。",
};

}  // namespace

constexpr std::array<SpecialDate, SpecialDateCount> SpecialDates{{
    {.occasion = Occasion::ChristmasEve, .dates = {"97/12/24", "98/12/24", "99/12/24"}},
    {.occasion = Occasion::NewYear, .dates = {"98/01/01", "99/01/01"}},
    {.occasion = Occasion::Valentine,
     .dates = {"98/02/14", "99/02/14"},
     .line = "　　今日はバレンタインデー。ま、関係ないか。"},
    {.occasion = Occasion::WhiteDay,
     .dates = {"98/03/14", "99/03/14"},
     .line = "　　今日はホワイトデー。ま、関係ないか。"},
    // Written only when the cell north of the hiker is not Japan.
    {.occasion = Occasion::AprilFirst,
     .dates = {"98/04/01", "99/04/01"},
     .line = "　　今日から４月、故郷の桜が懐かしい。"},
    {.occasion = Occasion::Tanabata,
     .dates = {"98/07/07", "99/07/07"},
     .line = "　　今日は七夕。じっと空を見る。"},
}};

const DirectionTexts& textsFor(Direction d)
{
    return DirectionTable.at(static_cast<std::size_t>(d) - 1);
}

std::string NamedLine::with(std::string_view namae) const
{
    return fill(tr(pattern), namae);
}

std::string_view vehicleLine(Direction d, int k, bool japanToTheNorth)
{
    const DirectionTexts& texts = textsFor(d);
    if (k == 7 && japanToTheNorth && !texts.vehicle7BesideJapan.empty())
        return tr(texts.vehicle7BesideJapan);
    return tr(texts.vehicle.at(k));
}

std::string shipLine(Direction d, int k, std::string_view namae)
{
    const std::string_view line = textsFor(d).ship.at(k);
    return line.empty() ? NamedShipLine.with(namae) : std::string{tr(line)};
}

const SpecialDate* specialDateOn(std::string_view date)
{
    // Occasions with two dates leave their third slot empty, which must not
    // make an empty date special.
    if (date.empty())
        return nullptr;
    const auto it = std::ranges::find_if(SpecialDates, [date](const SpecialDate& special) {
        return std::ranges::find(special.dates, date) != special.dates.end();
    });
    return it == SpecialDates.end() ? nullptr : &*it;
}

std::string_view passportLossLine(bool firstLoss, bool headingAbroad)
{
    return tr(PassportLossLines[firstLoss][headingAbroad]);
}

std::string_view turnedBackLine(Barrier barrier)
{
    return tr(TurnedBackLines[static_cast<int>(barrier)]);
}

}  // namespace korvalin
