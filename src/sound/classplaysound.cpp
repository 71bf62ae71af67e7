// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classplaysound.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "sound/sounddecode.h"
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cmath>
#include <limits>

ClassPlaySound *gPlaySound = nullptr;
const char *const kResourceDownloadUrl = "https://www.tallivo.example/download";

namespace {

constexpr int kPauseAfterWordMs = 300;

// Sets the guard for one reading and clears it on every way out.
class ReadingGuard {
public:
    explicit ReadingGuard(bool &flag) : m_flag(flag) { m_flag = true; }
    ~ReadingGuard() { m_flag = false; }
    ReadingGuard(const ReadingGuard &) = delete;
    ReadingGuard &operator=(const ReadingGuard &) = delete;

private:
    bool &m_flag;
};

QByteArray ReadPlainFile(const QString &path)
{
    const QFileInfo fi(path);
    if (!fi.isFile())
        return QByteArray();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// Missing, empty and unreadable files all play nothing.
void PlayPlainFile(const QString &path, bool wait)
{
    const QByteArray wav = ReadPlainFile(path);
    if (!wav.isEmpty())
        plat().PlayWav(wav, wait);
}

// A scrambled voice is unscrambled and decoded in memory and handed over
// whole, so no temporary file is made and an asynchronous play depends on no
// file.
QByteArray ReadScrambled(const QString &path)
{
    QByteArray bytes;
    if (!ReadEncodedFileBytes(path, bytes))
        return QByteArray();
    return DecodeToWav(bytes);
}

QString VoiceKey(const QString &text)
{
    return NormalizeWordKey(StripTabsTrim(text));
}

void ShowMissingVoiceMessage()
{
    const QString text = QStringLiteral("找不到单词的语音，请到官方网站下载语音和图片资源安装后继续使用。")
                         + QStringLiteral("\r\n\r\n") + QStringLiteral("现在去下载？");
    if (plat().MsgBox(text, MsgButtons::YesNo, MsgIcon::Information, QStringLiteral("资源下载"))
        == MsgResult::Yes)
        ShellOpen(QString::fromUtf8(kResourceDownloadUrl));
}

// Nearest whole number, halves to the even neighbour.
double RoundHalfEven(double x)
{
    const double fl = std::floor(x);
    const double diff = x - fl;
    if (diff > 0.5)
        return fl + 1;
    if (diff < 0.5)
        return fl;
    return std::fmod(fl, 2.0) == 0 ? fl : fl + 1;
}

} // namespace

void ClassPlaySound::ChangePlaySpeed(const QString &filename, double speed)
{
    if (!(speed > 0) || !std::isfinite(speed))
        return;
    QFile f(filename);
    if (!QFileInfo(filename).isFile() || !f.open(QIODevice::ReadWrite))
        return;
    QByteArray header = f.read(44);
    // Only a canonical WAV header is rewritten; anything else stays untouched.
    if (header.size() < 44 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE"
        || header.mid(12, 4) != "fmt ")
        return;
    auto *h = reinterpret_cast<uchar *>(header.data());
    const quint16 channels = qFromLittleEndian<quint16>(h + 22);
    const quint32 rate = qFromLittleEndian<quint32>(h + 24);
    const quint16 bits = qFromLittleEndian<quint16>(h + 34);

    const double newRate = RoundHalfEven(double(rate) * speed);
    const quint16 frameBits = quint16(channels * bits);
    const double newByteRate = RoundHalfEven(newRate * frameBits / 8.0);
    if (newRate < 1 || newRate > std::numeric_limits<qint32>::max()
        || newByteRate > std::numeric_limits<qint32>::max())
        return;
    qToLittleEndian<quint32>(quint32(newRate), h + 24);
    qToLittleEndian<quint32>(quint32(newByteRate), h + 28);
    if (!f.seek(0))
        return;
    f.write(header);
}

void ClassPlaySound::EZPlayWordSound(const QString &wavFile, bool bAsync)
{
    if (bReading)
        return;
    ReadingGuard guard(bReading);
    PlayPlainFile(UserPath(QStringLiteral("tmp/") + StripTabsTrim(wavFile) + QStringLiteral(".wav")), !bAsync);
}

void ClassPlaySound::PlayMyRecord(const QString &wordstr)
{
    const QString path = UserPath(QStringLiteral("myvoice/") + wordstr + QStringLiteral(".wav"));
    if (!QFileInfo::exists(path))
        plat().MsgBox(QStringLiteral("请先录音！"), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("跟读录音"));
    PlayPlainFile(path, true);
}

void ClassPlaySound::ReadEnglishWord(const QString &English, int nReadtime, bool bAsync)
{
    if (bReading)
        return;
    ReadingGuard guard(bReading);
    const QString source = AppPath(QStringLiteral("voice/") + VoiceKey(English) + QStringLiteral(".enw"));
    if (!QFileInfo::exists(source)) {
        ShowMissingVoiceMessage();
        return;
    }
    const QByteArray wav = ReadScrambled(source);
    if (wav.isEmpty())
        return; // present but empty or unreadable: nothing to say
    const quint64 cuts = m_cuts;
    for (int i = 0; i < nReadtime && cuts == m_cuts; ++i) {
        plat().PlayWav(wav, !bAsync);
        if (cuts == m_cuts)
            plat().SoundGap(kPauseAfterWordMs);
    }
}

void ClassPlaySound::ReadSentence(const QString &English, bool bAsync)
{
    if (bReading)
        return;
    ReadingGuard guard(bReading);
    const QByteArray wav =
        ReadScrambled(AppPath(QStringLiteral("sentence-voice/") + VoiceKey(English) + QStringLiteral(".wav")));
    if (!wav.isEmpty())
        plat().PlayWav(wav, !bAsync);
}

void ClassPlaySound::ReadSentenceByID(const QString &sID, bool bAsync)
{
    const QByteArray wav = ReadScrambled(AppPath(QStringLiteral("sentence-in-unit/") + sID + QStringLiteral(".wav")));
    if (!wav.isEmpty())
        plat().PlayWav(wav, !bAsync);
}

void ClassPlaySound::FailedSound()
{
    PlayPlainFile(AppPath(QStringLiteral("appvoice/failed.wav")), false);
}

void ClassPlaySound::SuceessSound()
{
    PlayPlainFile(AppPath(QStringLiteral("appvoice/tada.wav")), true);
}

void ClassPlaySound::PlaySelectionSound(int iType)
{
    PlayPlainFile(AppPath(QStringLiteral("appvoice/ting") + QString::number(iType) + QStringLiteral(".wav")), true);
}

void ClassPlaySound::StopReading()
{
    ++m_cuts;
    plat().StopSound();
}

ClassPlaySound *GetPlaySound()
{
    if (!gPlaySound)
        gPlaySound = new ClassPlaySound;
    return gPlaySound;
}

void ReleasePlaySound()
{
    delete gPlaySound;
    gPlaySound = nullptr;
}
