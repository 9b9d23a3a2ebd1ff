#include "day_file.h"

#include <QFile>

#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace telvo {

namespace {

constexpr char Ctrl_Z = 26;
constexpr std::ptrdiff_t Values_Column = 9;
constexpr int Header_Skip_Lines = 6;

// Parsing reads the data eight bytes at a time; the buffer keeps this many
// zero bytes after the file's data so that no load runs past it.
constexpr std::size_t Load_Padding = 8;

// Reads a file's bytes into one buffer that lives as long as the thread, so
// the hundreds of reads of one view allocate once. An unusually large file's
// buffer is let go afterwards rather than held for the rest of the run.
class Read_Buffer {
public:
    static constexpr std::size_t Kept_Capacity = 16 * 1024 * 1024;

    char *Data() { return m_data.get(); }

    void Shrink()
    {
        if (m_capacity > Kept_Capacity) {
            m_data.reset();
            m_capacity = 0;
        }
    }

    void Reserve(std::size_t size)
    {
        if (size <= m_capacity)
            return;
        std::size_t capacity = m_capacity == 0 ? 64 * 1024 : m_capacity;
        while (capacity < size)
            capacity *= 2;
        m_data = std::make_unique_for_overwrite<char[]>(capacity);
        m_capacity = capacity;
    }

private:
    std::unique_ptr<char[]> m_data;
    std::size_t m_capacity = 0;
};

class File_Descriptor {
public:
    explicit File_Descriptor(int fd) : m_fd(fd) {}
    ~File_Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    File_Descriptor(const File_Descriptor &) = delete;
    File_Descriptor &operator=(const File_Descriptor &) = delete;

    int Get() const { return m_fd; }

private:
    int m_fd;
};

// O_NONBLOCK keeps a FIFO named like a day file from blocking the open; only
// regular files are read at all.
int Open_Day_File(const QByteArray &path)
{
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
    int fd = ::open(path.constData(), flags);
    if (fd >= 0 || errno != ENOENT)
        return fd;

    // Files copied from other systems may carry the prefix in lower case.
    const qsizetype name = path.lastIndexOf('/') + 1;
    if (!path.mid(name).startsWith("DF"))
        return -1;
    QByteArray lower = path;
    lower[name] = 'd';
    lower[name + 1] = 'f';
    return ::open(lower.constData(), flags);
}

// Reads the whole regular file into the buffer; false when there is nothing
// that can be read as a day file.
bool Read_All(const QString &path, Read_Buffer &buffer, std::size_t &size)
{
    const QByteArray local = QFile::encodeName(path);
    if (local.isEmpty() || local.contains('\0'))
        return false;
    const File_Descriptor fd(Open_Day_File(local));
    if (fd.Get() < 0)
        return false;
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0)
        return false;

    const auto expected = static_cast<std::size_t>(info.st_size);
    buffer.Reserve(expected + Load_Padding);
    size = 0;
    while (size < expected) {
        const ssize_t n = ::read(fd.Get(), buffer.Data() + size, expected - size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            break;
        size += static_cast<std::size_t>(n);
    }
    std::memset(buffer.Data() + size, 0, Load_Padding);
    return true;
}

// Splits the data into lines ending at LF or at the end; one CR before the
// end is part of the line end.
class Line_Reader {
public:
    Line_Reader(const char *begin, const char *end) : m_next(begin), m_end(end) {}

    bool Next(const char *&begin, const char *&end)
    {
        if (m_next == m_end)
            return false;
        begin = m_next;
        const auto *lf = static_cast<const char *>(std::memchr(m_next, '\n', static_cast<std::size_t>(m_end - m_next)));
        end = lf != nullptr ? lf : m_end;
        m_next = lf != nullptr ? lf + 1 : m_end;
        if (end != begin && end[-1] == '\r')
            --end;
        return true;
    }

private:
    const char *m_next;
    const char *m_end;
};

int Hex_Digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool Is_Decimal_Digit(char c)
{
    return static_cast<unsigned char>(c - '0') < 10;
}

// The value of a field as a 32-bit two's complement number. Digit runs too
// long for 32 bits wrap, which leaves the low 16 bits that the counts keep
// exactly as a wider number would.
std::uint32_t Convert_Wrapped(const char *p, const char *end)
{
    while (p != end && *p == ' ')
        ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    std::uint32_t value = 0;
    bool hex = false;
    if (p != end && (*p == '$' || *p == 'x' || *p == 'X')) {
        hex = true;
        ++p;
    } else if (end - p >= 2 && p[0] == '0' && p[1] == 'x') {
        hex = true;
        p += 2;
    }
    if (hex) {
        for (int digit; p != end && (digit = Hex_Digit(*p)) >= 0; ++p)
            value = value * 16u + static_cast<std::uint32_t>(digit);
    } else {
        for (; p != end && Is_Decimal_Digit(*p); ++p)
            value = value * 10u + static_cast<std::uint32_t>(*p - '0');
    }
    // A sign counts only when the number runs to the end of the field.
    return negative && p == end ? 0u - value : value;
}

int Slot_Of_Time(std::int32_t minutes)
{
    if (minutes <= 0)
        return 1;
    if (minutes > 30 * Half_Hour_Slots)
        return Half_Hour_Slots;
    return (minutes + 29) / 30;
}

std::uint64_t Load_8(const char *p)
{
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap64(word);
    return word; // the first character in the lowest byte
}

constexpr std::uint64_t Low_Bits = 0x0101010101010101u;
constexpr std::uint64_t High_Bits = 0x8080808080808080u;

// The high bit of every byte of the word that equals c, and no other bit.
std::uint64_t Bytes_Equal(std::uint64_t word, char c)
{
    const std::uint64_t x = word ^ (Low_Bits * static_cast<unsigned char>(c));
    return ~(((x & ~High_Bits) + ~High_Bits) | x) & High_Bits;
}

// Number of bytes marked in a word from Bytes_Equal (a multiply adds up
// their high bits, where a plain bit count would be a slow generic routine
// on the baseline instruction set).
int Bytes_Marked(std::uint64_t marks)
{
    return static_cast<int>(((marks >> 7) * Low_Bits) >> 56);
}

// The high bit of every byte of the word that is not a decimal digit.
std::uint64_t Non_Digits(std::uint64_t word)
{
    const std::uint64_t x = word ^ (Low_Bits * '0'); // a digit becomes 0..9
    return (x | ((x & ~High_Bits) + Low_Bits * 0x76)) & High_Bits;
}

// Number of leading decimal digits among the 8 bytes of the word (8 when all are).
int Leading_Digits(std::uint64_t word)
{
    const std::uint64_t non_digit = Non_Digits(word);
    return non_digit == 0 ? 8 : std::countr_zero(non_digit) / 8;
}

// Value of the first n (1..8) characters of the word, all decimal digits:
// the digits move to the top of the word with zeros below them, and three
// multiplies combine pairs, quads and the two halves.
std::uint32_t Digits_Value(std::uint64_t word, int n)
{
    std::uint64_t v = (word - Low_Bits * '0') << (8 * (8 - n));
    v = v * 10 + (v >> 8);
    v = (((v & 0x000000FF000000FFu) * (100 + (1000000ull << 32)))
         + (((v >> 16) & 0x000000FF000000FFu) * (1 + (10000ull << 32))))
        >> 32;
    return static_cast<std::uint32_t>(v);
}

// Adds the field [begin, end) to a count.
void Add_Field(std::uint16_t &count, const char *begin, const char *end)
{
    count = static_cast<std::uint16_t>(count + Convert_Wrapped(begin, end));
}

// Adds a field known to hold only decimal digits: one to eight of them are
// converted without a loop.
[[gnu::always_inline]] inline void Add_Digits_Field(std::uint16_t &count, const char *begin, const char *end)
{
    const auto length = static_cast<int>(end - begin);
    const std::uint32_t value = static_cast<unsigned>(length - 1) < 8 ? Digits_Value(Load_8(begin), length)
                                                                      : Convert_Wrapped(begin, end);
    count = static_cast<std::uint16_t>(count + value);
}

// Adds a field known to hold only blanks and decimal digits, as devices write
// values right-aligned in blanks: the digits after the leading blanks count,
// up to the next blank.
[[gnu::always_inline]] inline void Add_Padded_Field(std::uint16_t &count, const char *begin, const char *end)
{
    const auto length = static_cast<int>(end - begin);
    if (static_cast<unsigned>(length - 1) >= 8) {
        count = static_cast<std::uint16_t>(count + Convert_Wrapped(begin, end));
        return;
    }
    std::uint64_t word = Load_8(begin);
    const std::uint64_t not_blank = ~Bytes_Equal(word, ' ') & High_Bits;
    const int blanks = not_blank == 0 ? 8 : std::countr_zero(not_blank) / 8;
    if (blanks >= length)
        return;
    // The digit run cannot pass the field's end: a field ends at a comma, a
    // CR, an LF, a Ctrl-Z or the buffer's zero padding.
    word >>= 8 * blanks;
    const int digits = Leading_Digits(word);
    if (digits > 0)
        count = static_cast<std::uint16_t>(count + Digits_Value(word, digits));
}

// Positions of the first 64 commas of a line's values. Each word's commas are
// stored four at a time without a branch per comma (slots past the word's
// real commas are overwritten by the next word), which keeps the scan free of
// the mispredictions that a comma-by-comma loop pays on every word.
struct Comma_Positions {
    std::array<const char *, Channel_Count + 8> At;
    int Count = 0;
    bool Digits_Only = true; // every byte scanned is a digit or a comma
    bool Padded = true;      // every byte scanned is a digit, a comma or a blank
};

void Find_Commas(const char *begin, const char *end, Comma_Positions &commas)
{
    int count = 0;
    std::uint64_t all_blanks = 0;
    std::uint64_t all_others = 0;
    for (const char *scan = begin; scan < end && count < Channel_Count; scan += 8) {
        const std::uint64_t word = Load_8(scan);
        std::uint64_t bits = Bytes_Equal(word, ',');
        std::uint64_t blanks = Bytes_Equal(word, ' ');
        std::uint64_t others = Non_Digits(word) & ~bits & ~blanks;
        if (end - scan < 8) {
            const std::uint64_t inside = (std::uint64_t{1} << (8 * (end - scan))) - 1;
            bits &= inside;
            blanks &= inside;
            others &= inside;
        }
        all_blanks |= blanks;
        all_others |= others;
        const int found = Bytes_Marked(bits);
        const char **at = commas.At.data() + count;
        at[0] = scan + std::countr_zero(bits) / 8;
        bits &= bits - 1;
        at[1] = scan + std::countr_zero(bits) / 8;
        bits &= bits - 1;
        at[2] = scan + std::countr_zero(bits) / 8;
        bits &= bits - 1;
        at[3] = scan + std::countr_zero(bits) / 8;
        for (int i = 4; i < found; ++i) {
            bits &= bits - 1;
            at[i] = scan + std::countr_zero(bits) / 8;
        }
        count += found;
    }
    commas.Count = count < Channel_Count ? count : Channel_Count;
    commas.Digits_Only = all_others == 0 && all_blanks == 0;
    commas.Padded = all_others == 0;
}

template <void Add(std::uint16_t &, const char *, const char *)>
void Add_Fields(std::uint16_t *counts, const char *field, const char *end, const Comma_Positions &commas)
{
    for (int i = 0; i < commas.Count; ++i) {
        const char *comma = commas.At[static_cast<std::size_t>(i)];
        Add(counts[i], field, comma);
        field = comma + 1;
    }
    // The text after the last comma is one more value while a channel is left.
    if (commas.Count < Channel_Count)
        Add(counts[commas.Count], field, end);
}

void Add_Record(Half_Hour_Table_Type &table, const char *line, const char *end)
{
    const auto hours = static_cast<std::int32_t>(Convert_Wrapped(line + 1, line + 3));
    const auto minutes = static_cast<std::int32_t>(Convert_Wrapped(line + 4, line + 6));
    std::uint16_t *const counts = table[Slot_Of_Time(hours * 60 + minutes)].Counts.Items.data();

    // Lines of decimal values, plain or right-aligned in blanks (what devices
    // write), take a fast conversion; any other character sends the line
    // through the full rule.
    const char *const values = line + Values_Column - 1;
    Comma_Positions commas;
    Find_Commas(values, end, commas);
    if (commas.Digits_Only)
        Add_Fields<Add_Digits_Field>(counts, values, end, commas);
    else if (commas.Padded)
        Add_Fields<Add_Padded_Field>(counts, values, end, commas);
    else
        Add_Fields<Add_Field>(counts, values, end, commas);
}

void Parse_Day_File(Model &model, const char *data, std::size_t size)
{
    const auto *ctrl_z = static_cast<const char *>(std::memchr(data, Ctrl_Z, size));
    Line_Reader lines(data, ctrl_z != nullptr ? ctrl_z : data + size);

    const char *begin = nullptr;
    const char *end = nullptr;
    if (!lines.Next(begin, end))
        return;
    model.Day_File_Header = QString::fromLatin1(begin, end - begin);
    for (int skipped = 0; skipped < Header_Skip_Lines; ++skipped) {
        if (!lines.Next(begin, end))
            return;
    }
    while (lines.Next(begin, end)) {
        if (end - begin >= Values_Column)
            Add_Record(model.Half_Hour_Table, begin, end);
    }
}

} // namespace

QString Day_File_Name(std::uint16_t id_number, const ID_Record &record, QDate date)
{
    const int year = date.year() % 100;
    return record.Data_Dir + u'/'
        + QString::asprintf("DF%02d%02d%02d.%03u", year < 0 ? -year : year, date.month(), date.day(),
                            static_cast<unsigned>(id_number));
}

void Read_Day_File(Model &model, const QString &path)
{
    Clear_Half_Hour_Table(model);
    model.Day_File_Header.clear();

    thread_local Read_Buffer buffer;
    std::size_t size = 0;
    if (Read_All(path, buffer, size))
        Parse_Day_File(model, buffer.Data(), size);
    buffer.Shrink();
}

std::uint16_t Convert_Day_File_Value(const char *begin, const char *end)
{
    return static_cast<std::uint16_t>(Convert_Wrapped(begin, end));
}

} // namespace telvo

