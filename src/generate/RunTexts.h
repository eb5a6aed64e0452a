// The texts a generation run shows: its messages, the start button's two
// captions and the result header. They are written here in UTF-8 and handed
// out as the program's GBK text.
#pragma once

#include <cstddef>
#include <string>

struct RunMessage {
    std::string text;  // GBK
    std::string title; // GBK
    int iconType;      // picks the picture and the system sound of the message box
};

// The main-word box is empty or holds no "--" anywhere.
const RunMessage& MainWordMissingMessage();
// Fewer than 15 root words in the list.
const RunMessage& TooFewRootWordsMessage();
// A line has "--" but nothing on one side of it.
const RunMessage& MainWordFormatMessage();
// A length box or the main-word box is empty, or the list is, when a line starts.
const RunMessage& MissingParametersMessage();
// Fewer than 15 entries in an attempt's word sequence.
const RunMessage& TooFewWordsMessage();
// 2000 attempts for one main word.
const RunMessage& CompositionFailedMessage();

// The start button's caption while idle ("开始组合") and while running ("停止组合").
const std::string& StartCaptionText();
const std::string& StopCaptionText();

// The header above the results after a run: "生成结果【本次共生成" N "个标题】".
std::string ResultHeaderText(std::size_t titleCount);
// The header while a run is going on: "生成结果".
const std::string& ResultHeaderIdleText();
