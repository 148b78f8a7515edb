// drillreport's page checked by axe-core inside Debian's chromium, in a wide and in two narrow
// windows: no violation of the kind "serious" or "critical", and no page wider than the window.
// Its layout measured there: on a phone's width (360 and 320 px) each overview row shows the
// name, the recent figures and the trend together, and the charts' texts are 12 CSS px at
// least; printed on A4 the page is no wider than the paper; a name's combining marks draw
// nothing outside its row.
// Usage: NODE_PATH=node_modules node page_axe.js PAGE
"use strict";
const path = require("path");
const { withChromium } = require("./chromium");

const widths = [1000, 360, 320]; // a desktop's, and two phones'
const phoneAtMost = 400;
const a4 = 703; // the printed width, 186 mm at 96 px to the inch
const trendWords = ["besser", "gleich", "schlechter", "kein Trend"];
const blocking = new Set(["serious", "critical"]);

async function check(context, url, width) {
    const problems = [];
    const page = await context.newPage();
    await page.setViewportSize({ width, height: 800 });
    await page.goto(url);
    const overflow = await page.evaluate(
        () => document.documentElement.scrollWidth - document.documentElement.clientWidth);
    if (overflow > 0)
        problems.push(`${width}px: the page is ${overflow}px wider than the window`);
    if (width < phoneAtMost)
        problems.push(...await phoneLayout(page, width));
    else
        problems.push(...await marksStayInTheirRow(page));
    await page.addScriptTag({ path: require.resolve("axe-core/axe.min.js") });
    const results = await page.evaluate(() => axe.run(document, { resultTypes: ["violations"] }));
    for (const violation of results.violations) {
        if (!blocking.has(violation.impact))
            continue;
        const where = violation.nodes.slice(0, 3).map((node) => node.target.join(" ")).join(", ");
        problems.push(`${width}px: ${violation.impact} ${violation.id} (${violation.help}) at ${where}`);
    }
    console.log(`${width}px: axe-core ${results.testEngine.version} found ` +
        `${results.violations.length} kinds of violation in all`);
    await page.close();
    return problems;
}

// Two frames later, what came into view is drawn: the learners' parts are drawn only then.
function drawn(page) {
    return page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
}

// Each overview row's name, recent figures and trend inside the window; the trend's word
// shown; the first chart's and the legend's texts at 12 CSS px or more.
async function phoneLayout(page, width) {
    const problems = await page.evaluate(([phone, trendWords]) => {
        const found = [];
        for (const row of document.querySelectorAll(".overview tbody tr")) {
            const name = row.cells[0].innerText;
            for (const cell of [row.cells[0], row.cells[1], row.cells[3]]) {
                const box = cell.getBoundingClientRect();
                if (box.left < 0 || box.right > phone)
                    found.push(`${phone}px: ${name}: "${cell.innerText}" at ${box.left} to ${box.right}`);
            }
            if (!trendWords.some((word) => row.cells[3].innerText.includes(word)))
                found.push(`${phone}px: ${name}: no trend word shown`);
        }
        document.querySelector("section").scrollIntoView();
        return found;
    }, [width, trendWords]);
    await drawn(page);
    problems.push(...await page.evaluate((phone) => {
        const found = [];
        for (const svg of [document.querySelector("svg.chart"), document.querySelector("svg.legend")]) {
            const scale = svg.getBoundingClientRect().width / svg.viewBox.baseVal.width;
            for (const text of svg.querySelectorAll("text")) {
                const size = parseFloat(getComputedStyle(text).fontSize) * scale;
                if (!(size >= 12))
                    found.push(`${phone}px: "${text.textContent}" in ${svg.className.baseVal} is ${size} px`);
            }
        }
        return found;
    }, width));
    return problems;
}

// The page above a row, and above a heading, the same with the name's marks as without. Every
// part is drawn first, so that no part coming into view moves the rows between the two shots.
async function marksStayInTheirRow(page) {
    const problems = [];
    await page.addStyleTag({ content: "section { content-visibility: visible !important; }" });
    const marked = (element) => /\u0308{20}/.test(element.textContent);
    for (const selector of [".overview tbody th", "section h2"]) {
        const handle = await page.evaluateHandle(([selector, marked]) => {
            const element = [...document.querySelectorAll(selector)].find(new Function("return " + marked)());
            element.scrollIntoView({ block: "end" });
            return element;
        }, [selector, marked.toString()]);
        if (!(await handle.evaluate((element) => element !== undefined))) {
            problems.push(`no ${selector} with combining marks`);
            continue;
        }
        // The shot once two in a row agree: what the browser still draws is not the marks' doing.
        const shot = async () => {
            let last;
            for (let tries = 0; tries < 20; tries++) {
                await drawn(page);
                const box = await handle.evaluate((element) => {
                    const rect = element.getBoundingClientRect();
                    return { x: 0, y: 0, width: innerWidth, height: Math.floor(rect.top) };
                });
                const taken = await page.screenshot({ clip: box });
                if (last !== undefined && taken.equals(last))
                    break;
                last = taken;
            }
            return last;
        };
        const withMarks = await shot();
        await handle.evaluate((element) => {
            const text = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
            while (text.nextNode())
                text.currentNode.data = text.currentNode.data.replace(/\u0308/g, "");
        });
        if (!withMarks.equals(await shot()))
            problems.push(`the marks of a name in ${selector} draw above it`);
    }
    return problems;
}

// Printed, the page is no wider than the paper.
async function paperWidth(context, url) {
    const page = await context.newPage();
    await page.setViewportSize({ width: a4, height: 1000 });
    await page.emulateMedia({ media: "print" });
    await page.goto(url);
    const overflow = await page.evaluate(
        () => document.documentElement.scrollWidth - document.documentElement.clientWidth);
    await page.close();
    return overflow > 0 ? [`printed, the page is ${overflow}px wider than the paper`] : [];
}

(async () => {
    let problems = [];
    try {
        const url = "file://" + path.resolve(process.argv[2]);
        await withChromium(async (context) => {
            for (const width of widths)
                problems = problems.concat(await check(context, url, width));
            problems = problems.concat(await paperWidth(context, url));
        });
    } catch (error) {
        problems.push(String(error));
    }
    for (const problem of problems)
        console.error("FAIL: " + problem);
    process.exit(problems.length > 0 ? 1 : 0);
})();
