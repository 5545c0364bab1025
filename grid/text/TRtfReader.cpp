#include "grid/text/TRtfReader.h"

#include "platform/core/Utf8.h"

#include <cctype>

namespace skelda::grid {

namespace {

bool IsLetter(char C)
{
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}

bool IsDigit(char C)
{
    return C >= '0' && C <= '9';
}

// The bytes after the first of a UTF-8 character.
bool IsContinuationByte(char C)
{
    return (static_cast<unsigned char>(C) & 0xC0) == 0x80;
}

int HexValue(char C)
{
    if (IsDigit(C))
        return C - '0';
    const char Lower = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    return Lower >= 'a' && Lower <= 'f' ? Lower - 'a' + 10 : -1;
}

}  // namespace

std::string TRtfText::PlainText() const
{
    std::string Text;
    for (std::size_t I = 0; I < Lines.size(); ++I) {
        if (I > 0)
            Text += "\r\n";
        for (const TRtfRun& Run : Lines[I])
            Text += Run.Text;
    }
    return Text;
}

TRtfText TRtfReader::Read(std::string_view Rtf)
{
    return TRtfReader(Rtf).Parse();
}

TRtfText TRtfReader::Parse()
{
    FText.Lines.emplace_back();
    while (FPos < FRtf.size()) {
        const char C = FRtf[FPos];
        switch (C) {
        case '{':
            FStack.push_back(FState);
            ++FPos;
            break;
        case '}':
            if (!FStack.empty()) {
                FState = FStack.back();
                FStack.pop_back();
            }
            ++FPos;
            break;
        case '\\':
            ReadControl();
            break;
        case '\r':
        case '\n':
            ++FPos;
            break;
        default: {
            // Plain characters up to the next brace, escape or line end, as they stand.
            const std::size_t Start = FPos;
            while (FPos < FRtf.size() && std::string_view("{}\\\r\n").find(FRtf[FPos]) == std::string_view::npos)
                ++FPos;
            Append(FRtf.substr(Start, FPos - Start));
            break;
        }
        }
    }
    // Rich edits end their text with a paragraph mark that starts no visible line.
    while (FText.Lines.size() > 1 && FText.Lines.back().empty())
        FText.Lines.pop_back();
    return std::move(FText);
}

void TRtfReader::ReadControl()
{
    ++FPos;
    if (FPos >= FRtf.size())
        return;
    const char C = FRtf[FPos];
    if (C == '{' || C == '}' || C == '\\') {
        Append(FRtf.substr(FPos, 1));
        ++FPos;
        return;
    }
    if (C == '\'') {
        const int High = FPos + 1 < FRtf.size() ? HexValue(FRtf[FPos + 1]) : -1;
        const int Low = FPos + 2 < FRtf.size() ? HexValue(FRtf[FPos + 2]) : -1;
        if (High < 0 || Low < 0) {
            FPos = FRtf.size();
            return;
        }
        const char Byte = static_cast<char>(High * 16 + Low);
        Append(plat::Windows1252ToUtf8(std::string_view(&Byte, 1)));
        FPos += 3;
        return;
    }
    if (C == '*') {
        FState.Skip = true;
        ++FPos;
        return;
    }
    if (!IsLetter(C)) {
        // The non-breaking space and hyphen are text; other symbols (the optional hyphen, ...)
        // show nothing.
        if (C == '~')
            Append("\u00A0");
        else if (C == '_')
            Append("-");
        // A symbol beyond ASCII goes as a whole character, so that no part of it is left as text.
        ++FPos;
        while (FPos < FRtf.size() && IsContinuationByte(FRtf[FPos]))
            ++FPos;
        return;
    }
    const std::size_t Start = FPos;
    while (FPos < FRtf.size() && IsLetter(FRtf[FPos]))
        ++FPos;
    const std::string_view Word = FRtf.substr(Start, FPos - Start);
    bool Negative = false;
    if (FPos < FRtf.size() && FRtf[FPos] == '-') {
        Negative = true;
        ++FPos;
    }
    bool HasParam = false;
    long long Param = 0;
    while (FPos < FRtf.size() && IsDigit(FRtf[FPos])) {
        HasParam = true;
        if (Param < 1000000000)
            Param = Param * 10 + (FRtf[FPos] - '0');
        ++FPos;
    }
    // A single blank ends the control word and belongs to it.
    if (FPos < FRtf.size() && FRtf[FPos] == ' ')
        ++FPos;
    ControlWord(Word, HasParam, static_cast<int>(Negative ? -Param : Param));
}

void TRtfReader::ControlWord(std::string_view Word, bool HasParam, int Param)
{
    const bool On = !HasParam || Param != 0;
    if (Word == "fonttbl" || Word == "colortbl" || Word == "stylesheet" || Word == "info")
        FState.Skip = true;
    else if (Word == "par" || Word == "line")
        NewLine();
    else if (Word == "tab")
        Append("\t");
    else if (Word == "b")
        SetStyle(plat::fsBold, On);
    else if (Word == "i")
        SetStyle(plat::fsItalic, On);
    else if (Word == "ul")
        SetStyle(plat::fsUnderline, On);
    else if (Word == "ulnone")
        SetStyle(plat::fsUnderline, false);
    else if (Word == "plain")
        FState.Style = {};
}

void TRtfReader::SetStyle(plat::TFontStyle Style, bool On)
{
    if (On)
        FState.Style.Include(Style);
    else
        FState.Style.Exclude(Style);
}

void TRtfReader::Append(std::string_view Utf8)
{
    if (FState.Skip || Utf8.empty())
        return;
    std::vector<TRtfRun>& Line = FText.Lines.back();
    if (Line.empty() || Line.back().Style != FState.Style)
        Line.push_back({std::string(), FState.Style});
    Line.back().Text += Utf8;
}

void TRtfReader::NewLine()
{
    if (!FState.Skip)
        FText.Lines.emplace_back();
}

}  // namespace skelda::grid
