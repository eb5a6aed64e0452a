// An in-memory stand-in for the main window: the boxes, the root-word rows and
// what the run reported, so tests drive the engine through its interfaces.
#pragma once

#include "generate/TitleEngineIo.h"
#include "util/CodePage.h"

#include <functional>
#include <string>
#include <vector>

// Test texts are written in UTF-8 and handed to the engine as GBK.
inline std::string Gbk(const char* utf8) {
    return Utf8ToGbk(utf8);
}

class FakeInput : public TitleEngineInput {
public:
    std::string mainWordBox;
    std::string minimum = "58";
    std::string maximum = "60";
    std::string positionMinimum = "1";
    std::string positionMaximum = "15";
    std::vector<RootWord> rows;
    int positionReads = 0; // the position range is read once per attempt

    std::string MainWordBoxText() override { return mainWordBox; }
    std::string MinimumLengthText() override { return minimum; }
    std::string MaximumLengthText() override { return maximum; }
    std::string PositionMinimumText() override {
        ++positionReads;
        return positionMinimum;
    }
    std::string PositionMaximumText() override { return positionMaximum; }
    std::vector<RootWord> RootWords() override { return rows; }

    // count root words of two Chinese characters each (4 bytes), all distinct.
    void AddWords(int count, const std::string& weight = "1") {
        for (int i = 0; i < count; ++i)
            rows.push_back({WordOfFourBytes(static_cast<int>(rows.size())), weight});
    }

    static std::string WordOfFourBytes(int index) {
        // Two GB2312 hanzi from the B0..F7 rows: distinct for indexes below 94 * 72.
        std::string word;
        word += static_cast<char>(0xB0 + index / 94 % 72);
        word += static_cast<char>(0xA1 + index % 94);
        word += "\xB5\xC4"; // 的
        return word;
    }
};

class FakeReport : public TitleEngineReport {
public:
    std::vector<std::int32_t> runStarts;
    int accepted = 0;
    std::vector<std::string> captions;
    std::vector<RunMessage> messages;
    std::function<void(int)> onAccepted; // lets a test edit the boxes during a run
    int stopAfter = -1;                  // ask for a stop once this many titles are accepted

    void RunStarted(std::int32_t total) override { runStarts.push_back(total); }
    void TitleAccepted() override {
        ++accepted;
        if (onAccepted)
            onAccepted(accepted);
    }
    void SetStartCaption(const std::string& caption) override { captions.push_back(caption); }
    void ShowMessage(const RunMessage& message) override { messages.push_back(message); }
    bool StopRequested() override { return stopAfter >= 0 && accepted >= stopAfter; }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const RunMessage& message : messages)
            texts.push_back(message.text);
        return texts;
    }
};
