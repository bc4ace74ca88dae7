// Loading and saving the document.
#include "text/file_replace.h"
#include "text/memo_source.h"

namespace tessorin {
namespace {

const char16_t* LineEnd(TOutFormatType format) {
    switch (format) {
    case ofMac:
        return u"\r";
    case ofUnix:
        return u"\n";
    case ofWindows:
        break;
    }
    return u"\r\n";
}

} // namespace

void TCustomMemoSource::LoadFromFile(const std::u16string& fileName) {
    const TDecodedText decoded = DecodeText(ReadFileBytes(fileName));
    {
        TMemoUpdate update(*this, ucLoadFile);
        Lines().SetText(decoded.Text);
        MarkChanged(0, INT_MAX);
        for (TMemoState s : {msPositionChanged, msUndo, msBlockChanged, msInsState, msCountChanged,
                             msModifiedChanged, msObjNameChanged, msParserChanged})
            AddState(s);
        ResetPositions();
    }
    FFileEncoding = decoded.Encoding;
    ClearUndo();
    FSavePointLost = false;
    SetModified(false);
}

std::u16string TCustomMemoSource::FileText() const {
    const std::u16string end = LineEnd(FOutFormat);
    const bool skipReadOnly = HasOption(soExcludeReadOnlyLines);
    std::u16string text;
    for (int i = 0; i < LineCount(); ++i)
        if (!skipReadOnly || !IsLineReadOnly(i))
            text += LineText(i) + end;
    return text;
}

void TCustomMemoSource::SaveToFile(const std::u16string& fileName) {
    const std::u16string text = FileText();
    const TTextEncoding encoding = EncodingThatKeeps(text, FFileEncoding);
    const std::string bytes = EncodeText(text, encoding);
    if (HasOption(soCreateBackups)) {
        std::u16string backup = BackupFileName(fileName);
        if (OnGetBackupName)
            OnGetBackupName(*this, fileName, backup);
        ReplaceFile(fileName, bytes, &backup);
    } else {
        ReplaceFile(fileName, bytes);
    }
    FFileEncoding = encoding;
}

} // namespace tessorin
