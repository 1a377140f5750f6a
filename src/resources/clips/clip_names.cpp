#include "resources/clips/clip_names.h"

namespace korvex {

// Kept in step with the file list of this folder's CMakeLists.txt.
const std::array<std::string_view, kClipCount> kClipNames{
    "wav_0",    "wav_1",       "wav_2",      "wav_3",     "wav_4",      "wav_5",
    "wav_6",    "wav_7",       "wav_8",      "wav_9",     "wav_00",     "wav_jia",
    "wav_jian", "wav_chen",    "wav_chu",    "wav_dian",  "wav_dengyu", "wav_fu",
    "wav_kf",   "wav_qingchu", "wav_quanbu", "wav_tuige", "wav_yuyin"};

}  // namespace korvex
