#include "journey/arrival_spots.h"

#include <algorithm>

namespace korvalin {

// The capitals by their short names, in the order they are tested.
constexpr std::array<Spot, CapitalSpotCount> CapitalSpots = std::to_array<Spot>({
    {.name = "北京", .x = 202, .y = 128, .dirs = StepAll},
    {.name = "ウランバートル", .x = 182, .y = 112, .dirs = StepAll},
    {.name = "モスクワ", .x = 88, .y = 75, .dirs = StepAll},
    {.name = "東京", .x = 245, .y = 118, .dirs = StepAll},
    {.name = "ピョンヤン", .x = 219, .y = 125, .dirs = StepAll},
    {.name = "ソウル", .x = 223, .y = 127, .dirs = StepAll},
    {.name = "ニューデリー", .x = 127, .y = 160, .dirs = StepAll},
    {.name = "カトマンズ", .x = 143, .y = 166, .dirs = StepAll},
    {.name = "ティンブー", .x = 154, .y = 166, .dirs = StepAll},
    {.name = "ダッカ", .x = 154, .y = 174, .dirs = StepAll},
    {.name = "アルマティ", .x = 131, .y = 124, .dirs = StepAll},
    {.name = "イスラマバード", .x = 120, .y = 148, .dirs = StepAll},
    {.name = "カブール", .x = 113, .y = 144, .dirs = StepAll},
    {.name = "テヘレン", .x = 81, .y = 131, .dirs = StepAll},
    {.name = "クウェート", .x = 68, .y = 142, .dirs = StepAll},
    {.name = "バグダット", .x = 66, .y = 129, .dirs = StepAll},
    {.name = "リヤド", .x = 62, .y = 153, .dirs = StepAll},
    {.name = "ダマスカス", .x = 54, .y = 120, .dirs = StepAll},
    {.name = "アンカラ", .x = 57, .y = 103, .dirs = StepAll},
    {.name = "キエフ", .x = 72, .y = 78, .dirs = StepAll},
    {.name = "ミンスク", .x = 75, .y = 69, .dirs = StepAll},
    {.name = "アシガバード", .x = 95, .y = 130, .dirs = StepAll},
    {.name = "ワルシャワ", .x = 65, .y = 67, .dirs = StepAll},
    {.name = "サヌア", .x = 49, .y = 171, .dirs = StepAll},
    {.name = "マスカット", .x = 84, .y = 165, .dirs = StepN | StepE},
    {.name = "アブダビ", .x = 77, .y = 159, .dirs = StepN | StepW},
    {.name = "ヤンゴン", .x = 168, .y = 190, .dirs = StepAll},
    {.name = "バンコク", .x = 179, .y = 198, .dirs = StepAll},
    {.name = "ビエンチャン", .x = 183, .y = 186, .dirs = StepS | StepW | StepE},
    {.name = "プノンペン", .x = 191, .y = 201, .dirs = StepAll},
    {.name = "ハノイ", .x = 190, .y = 178, .dirs = StepAll},
    {.name = "タシケント", .x = 116, .y = 128, .dirs = StepN | StepW},
    {.name = "ベルリン", .x = 62, .y = 54, .dirs = StepAll},
    {.name = "パリ", .x = 48, .y = 46, .dirs = StepAll},
    {.name = "マドリード", .x = 26, .y = 46, .dirs = StepAll},
    {.name = "ヘルシンキ", .x = 87, .y = 54, .dirs = StepAll},
    {.name = "リスボン", .x = 18, .y = 41, .dirs = StepN | StepW},
    {.name = "ストックホルム", .x = 80, .y = 48, .dirs = StepS | StepW | StepE},
    {.name = "オスロ", .x = 78, .y = 41, .dirs = StepAll},
    {.name = "ベルン", .x = 46, .y = 55, .dirs = StepAll},
    {.name = "プラハ", .x = 58, .y = 61, .dirs = StepAll},
    {.name = "ブラチスラバ", .x = 57, .y = 67, .dirs = StepAll},
    {.name = "ビルニュス", .x = 75, .y = 63, .dirs = StepAll},
    {.name = "リガ", .x = 79, .y = 59, .dirs = StepN | StepW | StepE},
    {.name = "ブカレスト", .x = 56, .y = 84, .dirs = StepAll},
    {.name = "ソフィア", .x = 50, .y = 84, .dirs = StepAll},
    {.name = "アテネ", .x = 42, .y = 93, .dirs = StepS | StepW | StepE},
    {.name = "タリン", .x = 84, .y = 55, .dirs = StepN | StepE},
    {.name = "トビリシ", .x = 77, .y = 109, .dirs = StepS | StepW},
    {.name = "バクー", .x = 83, .y = 115, .dirs = StepS | StepE},
    {.name = "エレバン", .x = 75, .y = 114, .dirs = StepAll},
    {.name = "ビシュケク", .x = 126, .y = 125, .dirs = StepN | StepE},
    {.name = "ドウシャンベ", .x = 115, .y = 134, .dirs = StepAll},
    {.name = "ローマ", .x = 38, .y = 71, .dirs = StepN | StepW},
    {.name = "ウィーン", .x = 54, .y = 66, .dirs = StepAll},
    {.name = "ブリュッセル", .x = 53, .y = 45, .dirs = StepAll},
    {.name = "アムステルダム", .x = 57, .y = 44, .dirs = StepN | StepW | StepE},
    {.name = "コペンハーゲン", .x = 69, .y = 50, .dirs = StepS | StepW},
    {.name = "ブタペスト", .x = 55, .y = 70, .dirs = StepAll},
    {.name = "エルサレム", .x = 48, .y = 124, .dirs = StepN | StepS | StepE},
    {.name = "アンマン", .x = 50, .y = 124, .dirs = StepAll},
    {.name = "ベイルート", .x = 51, .y = 119, .dirs = StepN | StepW},
    {.name = "ニコシア", .x = 51, .y = 113, .dirs = StepN | StepE},
    {.name = "スリジャヤワルダナプラコッテ", .x = 130, .y = 214, .dirs = StepAll},
    {.name = "スコビエ", .x = 46, .y = 84, .dirs = StepAll},
    {.name = "ティラナ", .x = 44, .y = 82, .dirs = StepN | StepW},
    {.name = "ベオグラード", .x = 51, .y = 76, .dirs = StepAll},
    {.name = "サラエボ", .x = 48, .y = 75, .dirs = StepAll},
    {.name = "リュブリャナ", .x = 48, .y = 67, .dirs = StepAll},
    {.name = "ザグレブ", .x = 49, .y = 69, .dirs = StepN | StepW},
    {.name = "クアラルンプール", .x = 184, .y = 223, .dirs = StepS | StepW | StepE},
    {.name = "ジャカルタ", .x = 201, .y = 238, .dirs = StepAll},
    {.name = "バンダルスリブカワン", .x = 216, .y = 213, .dirs = StepN | StepW},
    {.name = "マニラ", .x = 226, .y = 185, .dirs = StepS | StepW | StepE},
    {.name = "キシニョフ", .x = 63, .y = 80, .dirs = StepN | StepS | StepE},
    {.name = "シンガポール", .x = 190, .y = 226, .dirs = StepAll},
});

static_assert(CapitalSpots.back().name == "シンガポール");

constexpr std::array<Spot, CitySpotCount> CitySpots = std::to_array<Spot>({
    {.name = "大阪", .x = 240, .y = 125, .dirs = StepAll},
    {.name = "釜山", .x = 229, .y = 130, .dirs = StepS | StepE},
    {.name = "上海", .x = 217, .y = 145, .dirs = StepAll},
    {.name = "香港", .x = 208, .y = 170, .dirs = StepS | StepE},
    {.name = "西安", .x = 191, .y = 141, .dirs = StepAll},
    {.name = "昆明", .x = 183, .y = 170, .dirs = StepAll},
    {.name = "重慶", .x = 188, .y = 156, .dirs = StepAll},
    {.name = "ラサ", .x = 158, .y = 160, .dirs = StepAll},
    {.name = "ウルムチ", .x = 149, .y = 126, .dirs = StepAll},
    {.name = "カルカッタ", .x = 151, .y = 177, .dirs = StepS | StepE},
    {.name = "ボンベイ", .x = 114, .y = 183, .dirs = StepN | StepS | StepW},
    {.name = "イスファハン", .x = 78, .y = 137, .dirs = StepAll},
    {.name = "シーラーズ", .x = 77, .y = 146, .dirs = StepAll},
    {.name = "ウラジオストク", .x = 221, .y = 106, .dirs = StepN | StepS | StepE},
    {.name = "ハバロフスク", .x = 220, .y = 99, .dirs = StepAll},
    {.name = "サンクトペテルブルグ", .x = 89, .y = 60, .dirs = StepN | StepS | StepE},
    {.name = "イルクーツク", .x = 176, .y = 102, .dirs = StepAll},
    {.name = "イスタンブール", .x = 53, .y = 93, .dirs = StepS | StepW},
    {.name = "カラチ", .x = 104, .y = 167, .dirs = StepN | StepS | StepW},
    {.name = "ホーチミン", .x = 195, .y = 203, .dirs = StepN | StepS | StepE},
    {.name = "メッカ", .x = 46, .y = 152, .dirs = StepAll},
    {.name = "サマルカンド", .x = 111, .y = 130, .dirs = StepAll},
    {.name = "チェンマイ", .x = 175, .y = 187, .dirs = StepAll},
});

static_assert(CitySpots.back().name == "チェンマイ");

constexpr Spot LondonCell{.name = "ロンドン", .x = 54, .y = 37, .dirs = StepAll};

const Spot* spotEntered(std::span<const Spot> spots, int hikerX, int hikerY, std::uint8_t moveDir)
{
    const auto direction = static_cast<Direction>(moveDir);
    const Step step = stepOf(direction);
    if (step.dx == 0 && step.dy == 0)
        return nullptr;
    const auto it = std::ranges::find_if(spots, [&](const Spot& spot) {
        return (spot.dirs & stepBit(direction)) && spot.x == hikerX + step.dx &&
               spot.y == hikerY + step.dy;
    });
    return it == spots.end() ? nullptr : &*it;
}

}  // namespace korvalin
