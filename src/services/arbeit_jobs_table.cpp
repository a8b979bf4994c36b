#include <array>

#include "game/game_state.h"
#include "services/arbeit_jobs.h"

namespace korvalin {

namespace {

constexpr int ModelJob = 2;

constexpr ArbeitJob WellDressedModel{
    "モデル 5000円/日", 5000,
    "　　なんとモデルのバイトにありつく。いい服着てるもんで日給5000円くれるってさ。シメシメ。"};

constexpr std::array<ArbeitJob, 10> Jobs{{
    {"皿洗い 300円/日", 300, "　　皿洗いのバイトにありつく。日給300円、めちゃ安い。"},
    {"ウェイター 1000円/日", 1000, "　　ウェイターのバイトにありつく。日給1000円、まあまあかな。"},
    {"モデル 300円/日", 300,
     "　　モデルのバイトにありついたが、髪はボサボサ、服は埃だらけで日給300円だとさ。"},
    {"どぶ掃除 600円/日", 600, "　　どぶ掃除のバイトにありつく。日給600円だが、きつすぎる。"},
    {"床屋助手 100円/日", 100, "　　床屋のおっさんが助手に雇ってくれたが、日給100円には驚いた。"},
    {"トラック助手 2000円/日", 2000, "　　トラック助手のバイトにありつく。日給2000円、極楽だ。"},
    {"穴掘り 1500円/日", 1500,
     "　　穴掘りのバイトにありつく。日給1500円だけど、この穴、何に使うんだろう。"},
    {"皿洗い 300円/日", 300, "　　皿洗いのバイトにありつく。日給300円、とにかく安い。"},
    {"皿洗い 300円/日", 300, "　　皿洗いのバイトにありつく。日給300円とは驚き。"},
    {"皿洗い 300円/日", 300, "　　皿洗いのバイトにありつく。日給300円！勘弁してよ。"},
}};

}  // namespace

const ArbeitJob& arbeitJob(const GameState& state)
{
    if (state.arbeitno == ModelJob && state.HaveHuku)
        return WellDressedModel;
    return Jobs[state.arbeitno % Jobs.size()];
}

}  // namespace korvalin
