#include "generate/RunTexts.h"

#include "util/CodePage.h"

namespace {

RunMessage MakeMessage(const char* text, const char* title, int iconType) {
    return RunMessage{Utf8ToGbk(text), Utf8ToGbk(title), iconType};
}

} // namespace

const RunMessage& MainWordMissingMessage() {
    static const RunMessage message = MakeMessage("商品主词未设置或格式错误，请检查！\r\n\r\n正确格式为：\r\n"
                                                  "\r\n商品主词--生成数量，中间用2个减号连接，一行一组",
                                                  "提示信息：", 16);
    return message;
}

const RunMessage& TooFewRootWordsMessage() {
    static const RunMessage message = MakeMessage("词根数量不够，至少15个以上，请增加后重试", "提示", 2);
    return message;
}

const RunMessage& MainWordFormatMessage() {
    static const RunMessage message = MakeMessage("商品主词与生成数量格式不正确，请检查！\r\n正确格式为：商品"
                                                  "主词--生成数量\r\n中间是两个减号\"--\"，一行一组",
                                                  "提示信息：", 16);
    return message;
}

const RunMessage& MissingParametersMessage() {
    static const RunMessage message = MakeMessage("请将参数填写完整后再重试", "提示", 2);
    return message;
}

const RunMessage& TooFewWordsMessage() {
    static const RunMessage message = MakeMessage("词根数量不够，请增加后重试！", "提示信息：", 16);
    return message;
}

const RunMessage& CompositionFailedMessage() {
    static const RunMessage message = MakeMessage("组合失败，请检查商品主词和词根的字数是否符合要求\r\n也可以"
                                                  "适当调整标题字符数范围，将最小字符数减小一点",
                                                  "提示", 1);
    return message;
}

const std::string& StartCaptionText() {
    static const std::string caption = Utf8ToGbk("开始组合");
    return caption;
}

const std::string& StopCaptionText() {
    static const std::string caption = Utf8ToGbk("停止组合");
    return caption;
}

std::string ResultHeaderText(std::size_t titleCount) {
    static const std::string before = Utf8ToGbk("生成结果【本次共生成");
    static const std::string after = Utf8ToGbk("个标题】");
    return before + std::to_string(titleCount) + after;
}

const std::string& ResultHeaderIdleText() {
    static const std::string header = Utf8ToGbk("生成结果");
    return header;
}
