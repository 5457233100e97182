#!/usr/bin/python3
"""口算题卡 PDFs written by numora-report, read back with poppler: A4, fonts
embedded, the questions of the chosen source in reading order without
repeats, the key right in the same order, the code deciding the sheet, and
wrong options refused with no file left behind.
Usage: worksheet_pdf.py PATH/TO/numora-report SAMPLE_RECORDS_SCRIPT"""
import atexit, os, re, shutil, subprocess, sys, tempfile
from decimal import Decimal
from fractions import Fraction

report, sample_script = sys.argv[1], sys.argv[2]
bank_folder = os.path.join(os.path.dirname(report), "data")
work = tempfile.mkdtemp()
atexit.register(shutil.rmtree, work)
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
TOKEN = re.compile(r"^([0-9.+\-×÷()]+=)([0-9.\-]*)$")


def fail(message):
    sys.exit("FAIL: " + message)


def sheet(*options, folders=()):
    path = os.path.join(work, "sheet.pdf")
    if os.path.exists(path):
        os.remove(path)
    done = subprocess.run([report, "--worksheet", *options, "--pdf", path, *folders], env=env,
                          capture_output=True, text=True)
    return done.returncode, path, done.stderr


def pages(path):
    text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True, check=True).stdout
    result = []
    for page in text.split("\f"):
        tokens = [TOKEN.match(t) for t in page.split()]
        result.append([(m.group(1), m.group(2)) for m in tokens if m])
    return [p for p in result if p]


def value(question):
    expression = question.rstrip("=").replace("×", "*").replace("÷", "/")
    exact = eval(re.sub(r"(\d+(\.\d+)?)", r"Fraction('\1')", expression))
    if exact.denominator == 1:
        return str(exact.numerator)
    return format(Decimal(exact.numerator) / Decimal(exact.denominator), "f")


def check_sheet(path, count, allowed):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
    if "595 x 842 pts (A4)" not in info:
        fail("not A4: " + info)
    fonts = subprocess.run(["pdffonts", path], capture_output=True, text=True, check=True).stdout.splitlines()[2:]
    if not fonts or any(line.split()[-5] != "yes" for line in fonts):
        fail("a font is not embedded:\n" + "\n".join(fonts))
    found = pages(path)
    questions = [q for q, _ in found[0]]
    key = found[1]
    if len(found) != 2 or len(questions) != count:
        fail(f"{len(found)} pages and {len(questions)} questions, not 2 and {count}")
    stray = [q for q in questions if q not in allowed]
    if stray:
        fail("questions not from the source: " + " ".join(stray[:5]))
    if len(set(questions)) != min(count, len(allowed)):
        fail("a question repeats while the source has enough")
    if [q for q, _ in key] != questions:
        fail("the key's order differs from the sheet's")
    wrong = [f"{q}{a}" for q, a in key if a != value(q)]
    if wrong:
        fail("wrong answers in the key: " + " ".join(wrong[:5]))
    return questions


bank = set(open(os.path.join(bank_folder, "1001.tm"), encoding="gbk").read().split())
code, path, _ = sheet("4", "--count", "100", "--columns", "4", "--seed", "K7M2QX")
if code != 0:
    fail(f"range 4 exit {code}")
first = check_sheet(path, 100, bank)
if check_sheet(sheet("4", "--seed", "K7M2QX")[1], 100, bank) != first:
    fail("the same code gave another sheet")
if check_sheet(sheet("4", "--seed", "K7M2QY")[1], 100, bank) == first:
    fail("another code gave the same sheet")

records = os.path.join(work, "job")
subprocess.run(["bash", sample_script, records], check=True, capture_output=True)
# The sample child's mistakes not yet mastered, as the 错题本 lists them.
mistakes = {"56÷8=", "45-18=", "25+37=", "9×6="}
code, path, _ = sheet("mistakes", "--count", "20", "--columns", "3", "--seed", "000001", folders=[records])
mistakes_sheet = check_sheet(path, 20, mistakes) if code == 0 else []
if set(mistakes_sheet) != mistakes:
    fail("the mistakes sheet does not hold exactly the mistakes")
# "M", as the sheet's own code names the 错题本.
code, path, _ = sheet("M", "--count", "20", "--columns", "3", "--seed", "000001", folders=[records])
if code != 0 or check_sheet(path, 20, mistakes) != mistakes_sheet:
    fail("--worksheet M is not the mistakes sheet")

# A teacher's long questions: every word of the sheet and the key inside its
# cell and the page, a smaller font or another line where one is needed.
program = os.path.join(work, "program")
os.makedirs(os.path.join(program, "data"))
shutil.copy(report, program)
long_bank = ["1" + "÷2" * 20 + "=", "12345678×87654321=", "3+4=", "0.125+0.25+0.5+1+2+4+8+16+32+64+128="]
with open(os.path.join(program, "data", "make.tm"), "wb") as questions:
    questions.write("".join(q + "\r\n" for q in long_bank).encode("gbk"))
with open(os.path.join(program, "data", "make.da"), "wb") as answers:
    answers.write("".join(value(q) + "\r\n" for q in long_bank).encode("gbk"))
MARGIN, GRID_TOP, GRID_BOTTOM, WIDTH = 42.5, 42.5 + 72, 842 - 42.5 - 24, 595 - 2 * 42.5
WORD = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>')
for columns in ("1", "4", "5"):
    path = os.path.join(work, "long.pdf")
    done = subprocess.run([os.path.join(program, "numora-report"), "--worksheet", "1", "--count", "12", "--columns",
                           columns, "--pdf", path], env=env, capture_output=True, text=True)
    if done.returncode != 0:
        fail(f"long questions in {columns} columns: {done.stderr}")
    bbox = subprocess.run(["pdftotext", "-bbox", path, "-"], capture_output=True, text=True, check=True).stdout
    cell = WIDTH / int(columns)
    for x0, y0, x1, y1, word in ((*map(float, m.groups()[:4]), m.group(5)) for m in WORD.finditer(bbox)):
        if x0 < MARGIN - 0.5 or x1 > 595 - MARGIN + 0.5 or y0 < 0 or y1 > 842:
            fail(f"{columns} columns: {word} leaves the page at {x0:.0f}..{x1:.0f}")
        if GRID_TOP < y0 and y1 < GRID_BOTTOM and int((x0 - MARGIN) // cell) != int((x1 - MARGIN - 0.5) // cell):
            fail(f"{columns} columns: {word} runs out of its cell at {x0:.0f}..{x1:.0f}")
    if value(long_bank[0]) not in re.sub(r"\s", "", subprocess.run(["pdftotext", path, "-"], capture_output=True,
                                                                    text=True, check=True).stdout):
        fail(f"{columns} columns: the long answer is not on the key whole")

os.mkdir(os.path.join(work, "empty"))
for options, expected, why in [
        (["13"], 1, "range 13"), (["0"], 1, "range 0"), (["4", "--count", "201"], 1, "201 questions"),
        (["4", "--count", "0"], 1, "no questions"), (["4", "--columns", "6"], 1, "6 columns"),
        (["4", "--seed", "K7M2Q"], 1, "a short code"),
        (["mistakes", "--seed", "000001", os.path.join(work, "empty")], 1, "no mistakes")]:
    code, path, message = sheet(*options)
    if code != expected or os.path.exists(path) or not message.strip():
        fail(f"{why}: exit {code}, file {os.path.exists(path)}, message {message!r}")
unwritable = subprocess.run([report, "--worksheet", "4", "--pdf", os.path.join(work, "no", "such", "x.pdf")],
                            env=env, capture_output=True)
if unwritable.returncode != 3 or os.path.exists(os.path.join(work, "no")):
    fail(f"an unwritable file: exit {unwritable.returncode}")
print("PASS: worksheets read back with poppler")
