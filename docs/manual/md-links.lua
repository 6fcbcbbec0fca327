-- The sources link each other as .md (readable in the repository); the built pages as .html.
function Link(link)
  link.target = link.target:gsub("^([%w%-]+)%.md(#?)", "%1.html%2")
  return link
end
