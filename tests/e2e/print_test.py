"""vendrix-export --print through a real print server: a landscape job of the right page count arrives.

scripts/start-print-server sets up the print server with a cups-pdf printer as the default. Its jobs land
as PDF files whose text cannot be extracted and whose landscape pages are turned onto portrait sheets, so
this test checks the job's attributes, the page count and which way the ink runs on the sheet; the text
itself is checked on the --pdf rendering (pdf_test.py), which draws the very same pages.
"""
import glob
import os
import pwd
import re
import subprocess
import sys
import tempfile
import time

from e2esupport import SKIP, environment_without_display, run_exporter, write_season

EXPECTED_PAGES = 4  # the sample season: every section fits one sheet
GET_JOB_ATTRIBUTES = """{
    NAME "job attributes"
    OPERATION Get-Job-Attributes
    GROUP operation
    ATTR charset attributes-charset utf-8
    ATTR language attributes-natural-language en
    ATTR uri printer-uri $uri
    ATTR integer job-id $job_id
    ATTR name requesting-user-name $user
    ATTR keyword requested-attributes all
    STATUS successful-ok
}
"""


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIP)


def command(*args):
    return subprocess.run(args, capture_output=True, text=True, timeout=60)


def default_printer():
    if "scheduler is running" not in command("lpstat", "-r").stdout:
        skip("no print server is running (scripts/start-print-server starts one)")
    match = re.search(r"system default destination: (\S+)", command("lpstat", "-d").stdout)
    if not match:
        skip("the print server has no default printer (scripts/start-print-server sets one up)")
    name = match.group(1)
    if "cups-pdf:/" not in command("lpstat", "-v", name).stdout:
        skip(f"the default printer {name} is not a cups-pdf printer, and this test prints nothing on paper")
    return name


def job_ids(printer):
    listing = command("lpstat", "-W", "all", "-o", printer).stdout
    return {int(m) for m in re.findall(rf"^{re.escape(printer)}-(\d+)\s", listing, re.MULTILINE)}


def job_attributes(printer, job_id, user):
    with tempfile.NamedTemporaryFile("w", suffix=".test") as test:
        test.write(GET_JOB_ATTRIBUTES)
        test.flush()
        out = command("ipptool", "-tv", "-d", f"job_id={job_id}", "-d", f"user={user}",
                      f"ipp://localhost/printers/{printer}", test.name).stdout
    return dict(re.findall(r"^\s+([a-z-]+) \([^)]*\) = (.*)$", out, re.MULTILINE))


def wait_for(what, probe, seconds=90):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(0.5)
    raise AssertionError("timed out waiting for " + what)


def cups_pdf_folder(home):
    folder = "${HOME}/PDF"
    try:
        with open("/etc/cups/cups-pdf.conf") as conf:
            for line in conf:
                if line.startswith("Out "):
                    folder = line.split(None, 1)[1].strip()
    except OSError:
        pass
    return folder.replace("${HOME}", home)


def ink_box(pdf, page):
    """The bounding box (width, height) of the dark pixels of a page, and the page's (width, height)."""
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["pdftoppm", "-q", "-gray", "-r", "30", "-f", str(page), "-l", str(page), pdf,
                        os.path.join(folder, "p")], check=True)
        [image] = glob.glob(os.path.join(folder, "p*.pgm"))
        with open(image, "rb") as f:
            data = f.read()
    fields = data.split(maxsplit=4)
    width, height = int(fields[1]), int(fields[2])
    pixels = fields[4][-width * height:]
    rows = [y for y in range(height) if min(pixels[y * width:(y + 1) * width]) < 128]
    columns = [x for x in range(width) if min(pixels[x::width]) < 128]
    assert rows and columns, "the page is blank"
    return (columns[-1] - columns[0], rows[-1] - rows[0]), (width, height)


def main():
    printer = default_printer()
    user = pwd.getpwuid(os.getuid())
    with tempfile.TemporaryDirectory(prefix="vendrix-print-") as tmp:
        season = write_season(os.path.join(tmp, "season"))
        before = job_ids(printer)
        result = run_exporter(season, "--print", env=environment_without_display())
        assert result.returncode == 0, result.stderr.decode()

    new_jobs = wait_for("the job to be listed", lambda: job_ids(printer) - before, 30)
    assert len(new_jobs) == 1, f"expected one new job, got {sorted(new_jobs)}"
    job = new_jobs.pop()
    attributes = wait_for("the job to complete",
                          lambda: (a := job_attributes(printer, job, user.pw_name)).get("job-state") in
                          ("completed", "aborted", "canceled") and a)
    assert attributes["job-state"] == "completed", attributes
    assert attributes["job-name"] == "Park Factors for Northwind Baseball League in 2031", attributes
    # Qt asks for landscape with the "landscape" option of the print server; a portrait job has none.
    assert "landscape" in attributes, "the job did not ask for landscape: " + str(attributes)
    if "job-media-sheets-completed" in attributes:
        assert int(attributes["job-media-sheets-completed"]) == EXPECTED_PAGES, attributes

    folder = cups_pdf_folder(user.pw_dir)
    [pdf] = wait_for(f"job {job} in {folder}", lambda: glob.glob(os.path.join(folder, f"*job_{job}.pdf")), 30)
    info = command("pdfinfo", pdf).stdout
    pages = int(re.search(r"^Pages:\s+(\d+)", info, re.MULTILINE).group(1))
    assert pages == EXPECTED_PAGES, f"{pdf} has {pages} pages"
    # Landscape text lines run along the sheet's long side, however the sheet itself is turned.
    for page in range(1, pages + 1):
        (ink_width, ink_height), (sheet_width, sheet_height) = ink_box(pdf, page)
        assert (ink_width > ink_height) == (sheet_width > sheet_height), \
            f"page {page} of {pdf}: ink {ink_width}x{ink_height} on a {sheet_width}x{sheet_height} sheet"
    os.remove(pdf)
    print(f"job {printer}-{job}: {pages} landscape pages, {pdf}")


if __name__ == "__main__":
    main()
