#include "cli/CliRootWords.h"

#include "words/BannedWordList.h"
#include "words/RootWordImport.h"
#include "words/RootWordList.h"

bool LoadRootWordFile(const CliArguments& arguments, RowTable& list, CliOutput& output, int& exitCode) {
    if (arguments.Positional().size() != 1) {
        exitCode = output.Fail(Message("请给出一个词根文件"));
        return false;
    }
    const CliArgument& roots = arguments.Positional()[0];
    std::string rootBytes;
    if (!ReadFileBytes(roots.path, rootBytes)) {
        exitCode = output.Fail(Message("无法读取文件：") + roots.gbk);
        return false;
    }
    BannedWordList banned;
    if (const CliArgument* bannedFile = arguments.Value(kBannedOption.name)) {
        std::string bannedBytes;
        if (!ReadFileBytes(bannedFile->path, bannedBytes)) {
            exitCode = output.Fail(Message("无法读取文件：") + bannedFile->gbk);
            return false;
        }
        banned = BannedWordList::FromFileBytes(bannedBytes);
    } else {
        // As the import button does: the banned words beside the program, if any.
        std::string bannedBytes;
        if (ReadFileBytes(ExecutableDirectory() / kBannedWordFileName, bannedBytes))
            banned = BannedWordList::FromFileBytes(bannedBytes);
    }
    ImportRootWords(rootBytes, banned, list);
    return true;
}

void WriteRootWordRows(const RowTable& list, bool withShare, CliOutput& output) {
    std::string text;
    for (int row = 1; row <= list.RowCount(); ++row) {
        text += list.CellText(row, kIdColumn) + "\t" + list.CellText(row, kWordColumn) + "\t" +
                list.CellText(row, kWeightColumn);
        if (withShare)
            text += "\t" + list.CellText(row, kShareColumn);
        text += "\n";
    }
    output.Write(text);
}
